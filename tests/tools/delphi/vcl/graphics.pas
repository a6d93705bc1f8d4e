{ Stand-in for Delphi 7's Graphics unit: colours, fonts and the identifier
  tables the form reader uses for TColor and TFontCharset values. }
unit Graphics;

{$mode delphi}

interface

uses
  Windows, SysUtils, Classes;

type
  TColor = -$7FFFFFFF-1..$7FFFFFFF;

const
  clSystemColor = $FF000000;

  clScrollBar = TColor(clSystemColor or 0);
  clBackground = TColor(clSystemColor or 1);
  clActiveCaption = TColor(clSystemColor or 2);
  clInactiveCaption = TColor(clSystemColor or 3);
  clMenu = TColor(clSystemColor or 4);
  clWindow = TColor(clSystemColor or 5);
  clWindowFrame = TColor(clSystemColor or 6);
  clMenuText = TColor(clSystemColor or 7);
  clWindowText = TColor(clSystemColor or 8);
  clCaptionText = TColor(clSystemColor or 9);
  clActiveBorder = TColor(clSystemColor or 10);
  clInactiveBorder = TColor(clSystemColor or 11);
  clAppWorkSpace = TColor(clSystemColor or 12);
  clHighlight = TColor(clSystemColor or 13);
  clHighlightText = TColor(clSystemColor or 14);
  clBtnFace = TColor(clSystemColor or 15);
  clBtnShadow = TColor(clSystemColor or 16);
  clGrayText = TColor(clSystemColor or 17);
  clBtnText = TColor(clSystemColor or 18);
  clInactiveCaptionText = TColor(clSystemColor or 19);
  clBtnHighlight = TColor(clSystemColor or 20);
  cl3DDkShadow = TColor(clSystemColor or 21);
  cl3DLight = TColor(clSystemColor or 22);
  clInfoText = TColor(clSystemColor or 23);
  clInfoBk = TColor(clSystemColor or 24);

  clBlack = TColor($000000);
  clMaroon = TColor($000080);
  clGreen = TColor($008000);
  clOlive = TColor($008080);
  clNavy = TColor($800000);
  clPurple = TColor($800080);
  clTeal = TColor($808000);
  clGray = TColor($808080);
  clSilver = TColor($C0C0C0);
  clRed = TColor($0000FF);
  clLime = TColor($00FF00);
  clYellow = TColor($00FFFF);
  clBlue = TColor($FF0000);
  clFuchsia = TColor($FF00FF);
  clAqua = TColor($FFFF00);
  clLtGray = TColor($C0C0C0);
  clDkGray = TColor($808080);
  clWhite = TColor($FFFFFF);
  clMoneyGreen = TColor($C0DCC0);
  clSkyBlue = TColor($F0CAA6);
  clCream = TColor($F0FBFF);
  clMedGray = TColor($A4A0A0);
  clNone = TColor($1FFFFFFF);
  clDefault = TColor($20000000);

type
  TFontPitch = (fpDefault, fpVariable, fpFixed);
  TFontName = type string;
  TFontCharset = 0..255;
  TFontStyle = (fsBold, fsItalic, fsUnderline, fsStrikeOut);
  TFontStyles = set of TFontStyle;
  TPenStyle = (psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear,
    psInsideFrame);
  TBrushStyle = (bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal,
    bsBDiagonal, bsCross, bsDiagCross);

  TGraphicsObject = class(TPersistent)
  private
    FOnChange: TNotifyEvent;
  protected
    procedure Changed; virtual;
  public
    property OnChange: TNotifyEvent read FOnChange write FOnChange;
  end;

  TFont = class(TGraphicsObject)
  private
    FCharset: TFontCharset;
    FColor: TColor;
    FHeight: Integer;
    FName: TFontName;
    FPitch: TFontPitch;
    FStyle: TFontStyles;
    function GetSize: Integer;
    procedure SetSize(Value: Integer);
  public
    constructor Create;
    procedure Assign(Source: TPersistent); override;
  published
    property Charset: TFontCharset read FCharset write FCharset;
    property Color: TColor read FColor write FColor;
    property Height: Integer read FHeight write FHeight;
    property Name: TFontName read FName write FName;
    property Pitch: TFontPitch read FPitch write FPitch default fpDefault;
    property Size: Integer read GetSize write SetSize stored False;
    property Style: TFontStyles read FStyle write FStyle;
  end;

  TPen = class(TGraphicsObject)
  private
    FColor: TColor;
    FStyle: TPenStyle;
    FWidth: Integer;
  published
    property Color: TColor read FColor write FColor default clBlack;
    property Style: TPenStyle read FStyle write FStyle default psSolid;
    property Width: Integer read FWidth write FWidth default 1;
  end;

  TBrush = class(TGraphicsObject)
  private
    FColor: TColor;
    FStyle: TBrushStyle;
  published
    property Color: TColor read FColor write FColor default clWhite;
    property Style: TBrushStyle read FStyle write FStyle default bsSolid;
  end;

  TCanvas = class(TPersistent)
  private
    FFont: TFont;
    FPen: TPen;
    FBrush: TBrush;
  public
    constructor Create;
    destructor Destroy; override;
    procedure TextOut(X, Y: Integer; const Text: string);
    property Font: TFont read FFont;
    property Pen: TPen read FPen;
    property Brush: TBrush read FBrush;
  end;

  { Icon and picture data are stored as binary 'Data' blocks; the generated
    projects carry none, so these classes only exist for property types. }
  TGraphic = class(TInterfacedPersistent)
  end;

  TIcon = class(TGraphic)
  end;

  TBitmap = class(TGraphic)
  end;

  TPicture = class(TInterfacedPersistent)
  end;

function ColorToIdent(Color: Longint; var Ident: string): Boolean;
function IdentToColor(const Ident: string; var Color: Longint): Boolean;
function CharsetToIdent(Charset: Longint; var Ident: string): Boolean;
function IdentToCharset(const Ident: string; var Charset: Longint): Boolean;

implementation

const
  Colors: array[0..41] of TIdentMapEntry = (
    (Value: clBlack; Name: 'clBlack'),
    (Value: clMaroon; Name: 'clMaroon'),
    (Value: clGreen; Name: 'clGreen'),
    (Value: clOlive; Name: 'clOlive'),
    (Value: clNavy; Name: 'clNavy'),
    (Value: clPurple; Name: 'clPurple'),
    (Value: clTeal; Name: 'clTeal'),
    (Value: clGray; Name: 'clGray'),
    (Value: clSilver; Name: 'clSilver'),
    (Value: clRed; Name: 'clRed'),
    (Value: clLime; Name: 'clLime'),
    (Value: clYellow; Name: 'clYellow'),
    (Value: clBlue; Name: 'clBlue'),
    (Value: clFuchsia; Name: 'clFuchsia'),
    (Value: clAqua; Name: 'clAqua'),
    (Value: clWhite; Name: 'clWhite'),
    (Value: clMoneyGreen; Name: 'clMoneyGreen'),
    (Value: clSkyBlue; Name: 'clSkyBlue'),
    (Value: clCream; Name: 'clCream'),
    (Value: clMedGray; Name: 'clMedGray'),
    (Value: clScrollBar; Name: 'clScrollBar'),
    (Value: clBackground; Name: 'clBackground'),
    (Value: clActiveCaption; Name: 'clActiveCaption'),
    (Value: clInactiveCaption; Name: 'clInactiveCaption'),
    (Value: clMenu; Name: 'clMenu'),
    (Value: clWindow; Name: 'clWindow'),
    (Value: clWindowFrame; Name: 'clWindowFrame'),
    (Value: clMenuText; Name: 'clMenuText'),
    (Value: clWindowText; Name: 'clWindowText'),
    (Value: clCaptionText; Name: 'clCaptionText'),
    (Value: clActiveBorder; Name: 'clActiveBorder'),
    (Value: clInactiveBorder; Name: 'clInactiveBorder'),
    (Value: clAppWorkSpace; Name: 'clAppWorkSpace'),
    (Value: clHighlight; Name: 'clHighlight'),
    (Value: clHighlightText; Name: 'clHighlightText'),
    (Value: clBtnFace; Name: 'clBtnFace'),
    (Value: clBtnShadow; Name: 'clBtnShadow'),
    (Value: clGrayText; Name: 'clGrayText'),
    (Value: clBtnText; Name: 'clBtnText'),
    (Value: clInactiveCaptionText; Name: 'clInactiveCaptionText'),
    (Value: clBtnHighlight; Name: 'clBtnHighlight'),
    (Value: cl3DDkShadow; Name: 'cl3DDkShadow'));

  MoreColors: array[0..4] of TIdentMapEntry = (
    (Value: cl3DLight; Name: 'cl3DLight'),
    (Value: clInfoText; Name: 'clInfoText'),
    (Value: clInfoBk; Name: 'clInfoBk'),
    (Value: clNone; Name: 'clNone'),
    (Value: clDefault; Name: 'clDefault'));

  FontCharsets: array[0..17] of TIdentMapEntry = (
    (Value: ANSI_CHARSET; Name: 'ANSI_CHARSET'),
    (Value: DEFAULT_CHARSET; Name: 'DEFAULT_CHARSET'),
    (Value: SYMBOL_CHARSET; Name: 'SYMBOL_CHARSET'),
    (Value: MAC_CHARSET; Name: 'MAC_CHARSET'),
    (Value: SHIFTJIS_CHARSET; Name: 'SHIFTJIS_CHARSET'),
    (Value: HANGEUL_CHARSET; Name: 'HANGEUL_CHARSET'),
    (Value: JOHAB_CHARSET; Name: 'JOHAB_CHARSET'),
    (Value: GB2312_CHARSET; Name: 'GB2312_CHARSET'),
    (Value: CHINESEBIG5_CHARSET; Name: 'CHINESEBIG5_CHARSET'),
    (Value: GREEK_CHARSET; Name: 'GREEK_CHARSET'),
    (Value: TURKISH_CHARSET; Name: 'TURKISH_CHARSET'),
    (Value: HEBREW_CHARSET; Name: 'HEBREW_CHARSET'),
    (Value: ARABIC_CHARSET; Name: 'ARABIC_CHARSET'),
    (Value: BALTIC_CHARSET; Name: 'BALTIC_CHARSET'),
    (Value: RUSSIAN_CHARSET; Name: 'RUSSIAN_CHARSET'),
    (Value: THAI_CHARSET; Name: 'THAI_CHARSET'),
    (Value: EASTEUROPE_CHARSET; Name: 'EASTEUROPE_CHARSET'),
    (Value: OEM_CHARSET; Name: 'OEM_CHARSET'));

function ColorToIdent(Color: Longint; var Ident: string): Boolean;
begin
  Result := IntToIdent(Color, Ident, Colors) or IntToIdent(Color, Ident, MoreColors);
end;

function IdentToColor(const Ident: string; var Color: Longint): Boolean;
begin
  Result := IdentToInt(Ident, Color, Colors) or IdentToInt(Ident, Color, MoreColors);
end;

function CharsetToIdent(Charset: Longint; var Ident: string): Boolean;
begin
  Result := IntToIdent(Charset, Ident, FontCharsets);
end;

function IdentToCharset(const Ident: string; var Charset: Longint): Boolean;
begin
  Result := IdentToInt(Ident, Charset, FontCharsets);
end;

procedure TGraphicsObject.Changed;
begin
  if Assigned(FOnChange) then
    FOnChange(Self);
end;

constructor TFont.Create;
begin
  inherited Create;
  FCharset := DEFAULT_CHARSET;
  FColor := clWindowText;
  FHeight := -11;
  FName := 'MS Sans Serif';
end;

procedure TFont.Assign(Source: TPersistent);
begin
  if Source is TFont then
  begin
    FCharset := TFont(Source).FCharset;
    FColor := TFont(Source).FColor;
    FHeight := TFont(Source).FHeight;
    FName := TFont(Source).FName;
    FPitch := TFont(Source).FPitch;
    FStyle := TFont(Source).FStyle;
    Changed;
  end
  else
    inherited Assign(Source);
end;

function TFont.GetSize: Integer;
begin
  Result := -(FHeight * 72) div 96;
end;

procedure TFont.SetSize(Value: Integer);
begin
  FHeight := -(Value * 96) div 72;
end;

constructor TCanvas.Create;
begin
  inherited Create;
  FFont := TFont.Create;
  FPen := TPen.Create;
  FBrush := TBrush.Create;
end;

destructor TCanvas.Destroy;
begin
  FFont.Free;
  FPen.Free;
  FBrush.Free;
  inherited Destroy;
end;

procedure TCanvas.TextOut(X, Y: Integer; const Text: string);
begin
end;

initialization
  RegisterIntegerConsts(TypeInfo(TColor), IdentToColor, ColorToIdent);
  RegisterIntegerConsts(TypeInfo(TFontCharset), IdentToCharset, CharsetToIdent);
end.
