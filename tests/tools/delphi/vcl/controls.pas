{ Stand-in for Delphi 7's Controls unit: TControl, TWinControl and the
  property and event types their descendants publish.

  Left, Top, Width, Height, Cursor, Hint, HelpType, HelpKeyword and
  HelpContext are published by TControl itself, as in the VCL; everything
  else is declared protected or public here and published by each concrete
  class, so a class accepts exactly the properties the VCL class publishes. }
unit Controls;

{$mode delphi}

interface

uses
  Windows, Messages, Types, SysUtils, Classes, Graphics, Menus, ImgList;

type
  TAlign = (alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom);
  TAlignSet = set of TAlign;
  TAnchorKind = (akLeft, akTop, akRight, akBottom);
  TAnchors = set of TAnchorKind;
  TCaption = type string;
  TCursor = -32768..32767;
  TDragMode = (dmManual, dmAutomatic);
  TDragKind = (dkDrag, dkDock);
  TDragState = (dsDragEnter, dsDragLeave, dsDragMove);
  THelpType = (htKeyword, htContext);
  THelpContext = -MaxLongint..MaxLongint;
  TMouseButton = (mbLeft, mbRight, mbMiddle);
  TTabOrder = -1..32767;
  TModalResult = Low(Integer)..High(Integer);
  TImeMode = (imDisable, imClose, imOpen, imDontCare, imSAlpha, imAlpha,
    imHira, imSKata, imKata, imChinese, imSHanguel, imHanguel);
  TImeName = type string;
  TBevelCut = (bvNone, bvLowered, bvRaised, bvSpace);
  TBevelEdge = (beLeft, beTop, beRight, beBottom);
  TBevelEdges = set of TBevelEdge;
  TBevelKind = (bkNone, bkTile, bkSoft, bkFlat);
  TBevelWidth = 1..MaxInt;
  TBorderWidth = 0..MaxInt;
  TConstraintSize = 0..MaxInt;
  TControlStyle = set of (csAcceptsControls, csCaptureMouse,
    csDesignInteractive, csClickEvents, csFramed, csSetCaption, csOpaque,
    csDoubleClicks, csFixedWidth, csFixedHeight, csNoDesignVisible,
    csReplicatable, csNoStdEvents, csDisplayDragImage, csReflector,
    csActionClient, csMenuEvents);

const
  mrNone = 0;
  mrOk = 1;
  mrCancel = 2;
  mrAbort = 3;
  mrRetry = 4;
  mrIgnore = 5;
  mrYes = 6;
  mrNo = 7;
  mrAll = 8;
  mrNoToAll = 9;
  mrYesToAll = 10;

  crDefault = TCursor(0);
  crNone = TCursor(-1);
  crArrow = TCursor(-2);
  crCross = TCursor(-3);
  crIBeam = TCursor(-4);
  crSize = TCursor(-22);
  crSizeNESW = TCursor(-6);
  crSizeNS = TCursor(-7);
  crSizeNWSE = TCursor(-8);
  crSizeWE = TCursor(-9);
  crUpArrow = TCursor(-10);
  crHourGlass = TCursor(-11);
  crDrag = TCursor(-12);
  crNoDrop = TCursor(-13);
  crHSplit = TCursor(-14);
  crVSplit = TCursor(-15);
  crMultiDrag = TCursor(-16);
  crSQLWait = TCursor(-17);
  crNo = TCursor(-18);
  crAppStart = TCursor(-19);
  crHelp = TCursor(-20);
  crHandPoint = TCursor(-21);
  crSizeAll = TCursor(-22);

type
  TControl = class;
  TWinControl = class;

  TDragObject = class(TObject)
  end;

  TDragDockObject = class(TDragObject)
  end;

  TMouseEvent = procedure(Sender: TObject; Button: TMouseButton;
    Shift: TShiftState; X, Y: Integer) of object;
  TMouseMoveEvent = procedure(Sender: TObject; Shift: TShiftState;
    X, Y: Integer) of object;
  TKeyEvent = procedure(Sender: TObject; var Key: Word;
    Shift: TShiftState) of object;
  TKeyPressEvent = procedure(Sender: TObject; var Key: Char) of object;
  TDragOverEvent = procedure(Sender, Source: TObject; X, Y: Integer;
    State: TDragState; var Accept: Boolean) of object;
  TDragDropEvent = procedure(Sender, Source: TObject; X, Y: Integer) of object;
  TStartDragEvent = procedure(Sender: TObject;
    var DragObject: TDragObject) of object;
  TEndDragEvent = procedure(Sender, Target: TObject; X, Y: Integer) of object;
  TDockDropEvent = procedure(Sender: TObject; Source: TDragDockObject;
    X, Y: Integer) of object;
  TDockOverEvent = procedure(Sender: TObject; Source: TDragDockObject;
    X, Y: Integer; State: TDragState; var Accept: Boolean) of object;
  TUnDockEvent = procedure(Sender: TObject; Client: TControl;
    NewTarget: TWinControl; var Allow: Boolean) of object;
  TStartDockEvent = procedure(Sender: TObject;
    var DragObject: TDragDockObject) of object;
  TGetSiteInfoEvent = procedure(Sender: TObject; DockClient: TControl;
    var InfluenceRect: TRect; MousePos: TPoint; var CanDock: Boolean) of object;
  TCanResizeEvent = procedure(Sender: TObject; var NewWidth, NewHeight: Integer;
    var Resize: Boolean) of object;
  TConstrainedResizeEvent = procedure(Sender: TObject; var MinWidth, MinHeight,
    MaxWidth, MaxHeight: Integer) of object;
  TMouseWheelEvent = procedure(Sender: TObject; Shift: TShiftState;
    WheelDelta: Integer; MousePos: TPoint; var Handled: Boolean) of object;
  TMouseWheelUpDownEvent = procedure(Sender: TObject; Shift: TShiftState;
    MousePos: TPoint; var Handled: Boolean) of object;
  TContextPopupEvent = procedure(Sender: TObject; MousePos: TPoint;
    var Handled: Boolean) of object;

  TSizeConstraints = class(TPersistent)
  private
    FControl: TControl;
    FMaxHeight: TConstraintSize;
    FMaxWidth: TConstraintSize;
    FMinHeight: TConstraintSize;
    FMinWidth: TConstraintSize;
    FOnChange: TNotifyEvent;
  public
    constructor Create(Control: TControl); virtual;
    procedure Assign(Source: TPersistent); override;
    property OnChange: TNotifyEvent read FOnChange write FOnChange;
  published
    property MaxHeight: TConstraintSize read FMaxHeight write FMaxHeight default 0;
    property MaxWidth: TConstraintSize read FMaxWidth write FMaxWidth default 0;
    property MinHeight: TConstraintSize read FMinHeight write FMinHeight default 0;
    property MinWidth: TConstraintSize read FMinWidth write FMinWidth default 0;
  end;

  TControl = class(TComponent)
  private
    FParent: TWinControl;
    FLeft: Integer;
    FTop: Integer;
    FWidth: Integer;
    FHeight: Integer;
    FCursor: TCursor;
    FHint: string;
    FHelpType: THelpType;
    FHelpKeyword: string;
    FHelpContext: THelpContext;
    FAction: TBasicAction;
    FAlign: TAlign;
    FAnchors: TAnchors;
    FAutoSize: Boolean;
    FBiDiMode: TBiDiMode;
    FCaption: TCaption;
    FColor: TColor;
    FConstraints: TSizeConstraints;
    FDragCursor: TCursor;
    FDragKind: TDragKind;
    FDragMode: TDragMode;
    FEnabled: Boolean;
    FFont: TFont;
    FParentBiDiMode: Boolean;
    FParentColor: Boolean;
    FParentFont: Boolean;
    FParentShowHint: Boolean;
    FPopupMenu: TPopupMenu;
    FShowHint: Boolean;
    FVisible: Boolean;
    FControlStyle: TControlStyle;
    FOnClick: TNotifyEvent;
    FOnDblClick: TNotifyEvent;
    FOnContextPopup: TContextPopupEvent;
    FOnDragDrop: TDragDropEvent;
    FOnDragOver: TDragOverEvent;
    FOnEndDock: TEndDragEvent;
    FOnEndDrag: TEndDragEvent;
    FOnMouseDown: TMouseEvent;
    FOnMouseMove: TMouseMoveEvent;
    FOnMouseUp: TMouseEvent;
    FOnMouseWheel: TMouseWheelEvent;
    FOnMouseWheelDown: TMouseWheelUpDownEvent;
    FOnMouseWheelUp: TMouseWheelUpDownEvent;
    FOnResize: TNotifyEvent;
    FOnStartDock: TStartDockEvent;
    FOnStartDrag: TStartDragEvent;
    FOnCanResize: TCanResizeEvent;
    FOnConstrainedResize: TConstrainedResizeEvent;
    FIsControl: Boolean;
    procedure SetFont(Value: TFont);
    procedure SetConstraints(Value: TSizeConstraints);
    procedure SetPopupMenu(Value: TPopupMenu);
    procedure SetAction(Value: TBasicAction);
    function GetClientHeight: Integer;
    function GetClientWidth: Integer;
    procedure SetClientHeight(Value: Integer);
    procedure SetClientWidth(Value: Integer);
    procedure ReadIsControl(Reader: TReader);
    procedure WriteIsControl(Writer: TWriter);
  protected
    { Like the VCL's, without TComponent's Left and Top (published here). }
    procedure DefineProperties(Filer: TFiler); override;
    procedure SetParent(AParent: TWinControl); virtual;
    procedure Notification(AComponent: TComponent; Operation: TOperation); override;
    property Action: TBasicAction read FAction write SetAction;
    property AutoSize: Boolean read FAutoSize write FAutoSize default False;
    property Caption: TCaption read FCaption write FCaption;
    property Color: TColor read FColor write FColor;
    property DragCursor: TCursor read FDragCursor write FDragCursor default crDrag;
    property DragKind: TDragKind read FDragKind write FDragKind default dkDrag;
    property DragMode: TDragMode read FDragMode write FDragMode default dmManual;
    property Font: TFont read FFont write SetFont;
    property ParentBiDiMode: Boolean read FParentBiDiMode write FParentBiDiMode default True;
    property ParentColor: Boolean read FParentColor write FParentColor default True;
    property ParentFont: Boolean read FParentFont write FParentFont default True;
    property ParentShowHint: Boolean read FParentShowHint write FParentShowHint default True;
    property PopupMenu: TPopupMenu read FPopupMenu write SetPopupMenu;
    property Text: TCaption read FCaption write FCaption;
    property OnClick: TNotifyEvent read FOnClick write FOnClick;
    property OnDblClick: TNotifyEvent read FOnDblClick write FOnDblClick;
    property OnContextPopup: TContextPopupEvent read FOnContextPopup write FOnContextPopup;
    property OnDragDrop: TDragDropEvent read FOnDragDrop write FOnDragDrop;
    property OnDragOver: TDragOverEvent read FOnDragOver write FOnDragOver;
    property OnEndDock: TEndDragEvent read FOnEndDock write FOnEndDock;
    property OnEndDrag: TEndDragEvent read FOnEndDrag write FOnEndDrag;
    property OnMouseDown: TMouseEvent read FOnMouseDown write FOnMouseDown;
    property OnMouseMove: TMouseMoveEvent read FOnMouseMove write FOnMouseMove;
    property OnMouseUp: TMouseEvent read FOnMouseUp write FOnMouseUp;
    property OnMouseWheel: TMouseWheelEvent read FOnMouseWheel write FOnMouseWheel;
    property OnMouseWheelDown: TMouseWheelUpDownEvent read FOnMouseWheelDown write FOnMouseWheelDown;
    property OnMouseWheelUp: TMouseWheelUpDownEvent read FOnMouseWheelUp write FOnMouseWheelUp;
    property OnResize: TNotifyEvent read FOnResize write FOnResize;
    property OnStartDock: TStartDockEvent read FOnStartDock write FOnStartDock;
    property OnStartDrag: TStartDragEvent read FOnStartDrag write FOnStartDrag;
    property OnCanResize: TCanResizeEvent read FOnCanResize write FOnCanResize;
    property OnConstrainedResize: TConstrainedResizeEvent read FOnConstrainedResize write FOnConstrainedResize;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    function GetParentComponent: TComponent; override;
    function HasParent: Boolean; override;
    procedure SetParentComponent(Value: TComponent); override;
    procedure Show;
    procedure Hide;
    procedure Invalidate; virtual;
    procedure Refresh;
    procedure SetBounds(ALeft, ATop, AWidth, AHeight: Integer); virtual;
    property Align: TAlign read FAlign write FAlign default alNone;
    property Anchors: TAnchors read FAnchors write FAnchors default [akLeft, akTop];
    property BiDiMode: TBiDiMode read FBiDiMode write FBiDiMode;
    property ClientHeight: Integer read GetClientHeight write SetClientHeight stored False;
    property ClientWidth: Integer read GetClientWidth write SetClientWidth stored False;
    property Constraints: TSizeConstraints read FConstraints write SetConstraints;
    property ControlStyle: TControlStyle read FControlStyle write FControlStyle;
    property Enabled: Boolean read FEnabled write FEnabled default True;
    property Parent: TWinControl read FParent write SetParent;
    property ShowHint: Boolean read FShowHint write FShowHint;
    property Visible: Boolean read FVisible write FVisible default True;
  published
    property Left: Integer read FLeft write FLeft;
    property Top: Integer read FTop write FTop;
    property Width: Integer read FWidth write FWidth;
    property Height: Integer read FHeight write FHeight;
    property Cursor: TCursor read FCursor write FCursor default crDefault;
    property Hint: string read FHint write FHint;
    property HelpType: THelpType read FHelpType write FHelpType default htContext;
    property HelpKeyword: string read FHelpKeyword write FHelpKeyword;
    property HelpContext: THelpContext read FHelpContext write FHelpContext default 0;
  end;

  TControlClass = class of TControl;

  TWinControl = class(TControl)
  private
    FControls: TList;
    FBevelEdges: TBevelEdges;
    FBevelInner: TBevelCut;
    FBevelOuter: TBevelCut;
    FBevelKind: TBevelKind;
    FBevelWidth: TBevelWidth;
    FBorderWidth: TBorderWidth;
    FCtl3D: Boolean;
    FParentCtl3D: Boolean;
    FDockSite: Boolean;
    FUseDockManager: Boolean;
    FImeMode: TImeMode;
    FImeName: TImeName;
    FTabOrder: TTabOrder;
    FTabStop: Boolean;
    FBrush: TBrush;
    FOnEnter: TNotifyEvent;
    FOnExit: TNotifyEvent;
    FOnKeyDown: TKeyEvent;
    FOnKeyPress: TKeyPressEvent;
    FOnKeyUp: TKeyEvent;
    FOnDockDrop: TDockDropEvent;
    FOnDockOver: TDockOverEvent;
    FOnGetSiteInfo: TGetSiteInfoEvent;
    FOnUnDock: TUnDockEvent;
    function GetControl(Index: Integer): TControl;
    function GetControlCount: Integer;
  protected
    procedure InsertControl(AControl: TControl);
    procedure RemoveControl(AControl: TControl);
    property BevelEdges: TBevelEdges read FBevelEdges write FBevelEdges default [beLeft, beTop, beRight, beBottom];
    property BevelInner: TBevelCut read FBevelInner write FBevelInner default bvRaised;
    property BevelOuter: TBevelCut read FBevelOuter write FBevelOuter default bvLowered;
    property BevelKind: TBevelKind read FBevelKind write FBevelKind default bkNone;
    property BevelWidth: TBevelWidth read FBevelWidth write FBevelWidth default 1;
    property BorderWidth: TBorderWidth read FBorderWidth write FBorderWidth default 0;
    property Ctl3D: Boolean read FCtl3D write FCtl3D;
    property ParentCtl3D: Boolean read FParentCtl3D write FParentCtl3D default True;
    property DockSite: Boolean read FDockSite write FDockSite default False;
    property UseDockManager: Boolean read FUseDockManager write FUseDockManager default False;
    property ImeMode: TImeMode read FImeMode write FImeMode default imDontCare;
    property ImeName: TImeName read FImeName write FImeName;
    property OnEnter: TNotifyEvent read FOnEnter write FOnEnter;
    property OnExit: TNotifyEvent read FOnExit write FOnExit;
    property OnKeyDown: TKeyEvent read FOnKeyDown write FOnKeyDown;
    property OnKeyPress: TKeyPressEvent read FOnKeyPress write FOnKeyPress;
    property OnKeyUp: TKeyEvent read FOnKeyUp write FOnKeyUp;
    property OnDockDrop: TDockDropEvent read FOnDockDrop write FOnDockDrop;
    property OnDockOver: TDockOverEvent read FOnDockOver write FOnDockOver;
    property OnGetSiteInfo: TGetSiteInfoEvent read FOnGetSiteInfo write FOnGetSiteInfo;
    property OnUnDock: TUnDockEvent read FOnUnDock write FOnUnDock;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    function CanFocus: Boolean; virtual;
    function Focused: Boolean; virtual;
    procedure SetFocus; virtual;
    property Brush: TBrush read FBrush;
    property ControlCount: Integer read GetControlCount;
    property Controls[Index: Integer]: TControl read GetControl;
    property TabOrder: TTabOrder read FTabOrder write FTabOrder default -1;
    property TabStop: Boolean read FTabStop write FTabStop default False;
  end;

  TGraphicControl = class(TControl)
  private
    FCanvas: TCanvas;
  protected
    property Canvas: TCanvas read FCanvas;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
  end;

  TCustomControl = class(TWinControl)
  private
    FCanvas: TCanvas;
  protected
    property Canvas: TCanvas read FCanvas;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
  end;

function IdentToCursor(const Ident: string; var Cursor: Longint): Boolean;
function CursorToIdent(Cursor: Longint; var Ident: string): Boolean;

implementation

const
  Cursors: array[0..21] of TIdentMapEntry = (
    (Value: crDefault; Name: 'crDefault'),
    (Value: crArrow; Name: 'crArrow'),
    (Value: crCross; Name: 'crCross'),
    (Value: crIBeam; Name: 'crIBeam'),
    (Value: crSizeNESW; Name: 'crSizeNESW'),
    (Value: crSizeNS; Name: 'crSizeNS'),
    (Value: crSizeNWSE; Name: 'crSizeNWSE'),
    (Value: crSizeWE; Name: 'crSizeWE'),
    (Value: crUpArrow; Name: 'crUpArrow'),
    (Value: crHourGlass; Name: 'crHourGlass'),
    (Value: crDrag; Name: 'crDrag'),
    (Value: crNoDrop; Name: 'crNoDrop'),
    (Value: crHSplit; Name: 'crHSplit'),
    (Value: crVSplit; Name: 'crVSplit'),
    (Value: crMultiDrag; Name: 'crMultiDrag'),
    (Value: crSQLWait; Name: 'crSQLWait'),
    (Value: crNo; Name: 'crNo'),
    (Value: crAppStart; Name: 'crAppStart'),
    (Value: crHelp; Name: 'crHelp'),
    (Value: crHandPoint; Name: 'crHandPoint'),
    (Value: crSizeAll; Name: 'crSizeAll'),
    (Value: crNone; Name: 'crNone'));

function IdentToCursor(const Ident: string; var Cursor: Longint): Boolean;
begin
  Result := IdentToInt(Ident, Cursor, Cursors);
end;

function CursorToIdent(Cursor: Longint; var Ident: string): Boolean;
begin
  Result := IntToIdent(Cursor, Ident, Cursors);
end;

{ TSizeConstraints }

constructor TSizeConstraints.Create(Control: TControl);
begin
  inherited Create;
  FControl := Control;
end;

procedure TSizeConstraints.Assign(Source: TPersistent);
begin
  if Source is TSizeConstraints then
  begin
    FMaxHeight := TSizeConstraints(Source).FMaxHeight;
    FMaxWidth := TSizeConstraints(Source).FMaxWidth;
    FMinHeight := TSizeConstraints(Source).FMinHeight;
    FMinWidth := TSizeConstraints(Source).FMinWidth;
  end
  else
    inherited Assign(Source);
end;

{ TControl }

constructor TControl.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FFont := TFont.Create;
  FConstraints := TSizeConstraints.Create(Self);
  FAnchors := [akLeft, akTop];
  FDragCursor := crDrag;
  FEnabled := True;
  FVisible := True;
  FParentBiDiMode := True;
  FParentColor := True;
  FParentFont := True;
  FParentShowHint := True;
  FHelpType := htContext;
  FColor := clWindow;
end;

destructor TControl.Destroy;
begin
  SetParent(nil);
  FConstraints.Free;
  FFont.Free;
  inherited Destroy;
end;

procedure TControl.ReadIsControl(Reader: TReader);
begin
  FIsControl := Reader.ReadBoolean;
end;

procedure TControl.WriteIsControl(Writer: TWriter);
begin
  Writer.WriteBoolean(FIsControl);
end;

procedure TControl.DefineProperties(Filer: TFiler);
begin
  Filer.DefineProperty('IsControl', ReadIsControl, WriteIsControl, FIsControl);
end;

procedure TControl.Notification(AComponent: TComponent; Operation: TOperation);
begin
  inherited Notification(AComponent, Operation);
  if Operation = opRemove then
  begin
    if AComponent = FPopupMenu then
      FPopupMenu := nil;
    if AComponent = FAction then
      FAction := nil;
  end;
end;

procedure TControl.SetParent(AParent: TWinControl);
begin
  if FParent = AParent then
    Exit;
  if FParent <> nil then
    FParent.RemoveControl(Self);
  FParent := nil;
  if AParent <> nil then
    AParent.InsertControl(Self);
  FParent := AParent;
end;

function TControl.GetParentComponent: TComponent;
begin
  Result := FParent;
end;

function TControl.HasParent: Boolean;
begin
  Result := True;
end;

procedure TControl.SetParentComponent(Value: TComponent);
begin
  if (FParent <> Value) and (Value is TWinControl) then
    SetParent(TWinControl(Value));
end;

procedure TControl.SetFont(Value: TFont);
begin
  FFont.Assign(Value);
end;

procedure TControl.SetConstraints(Value: TSizeConstraints);
begin
  FConstraints.Assign(Value);
end;

procedure TControl.SetPopupMenu(Value: TPopupMenu);
begin
  FPopupMenu := Value;
  if Value <> nil then
    Value.FreeNotification(Self);
end;

procedure TControl.SetAction(Value: TBasicAction);
begin
  FAction := Value;
  if Value <> nil then
    Value.FreeNotification(Self);
end;

function TControl.GetClientHeight: Integer;
begin
  Result := FHeight;
end;

function TControl.GetClientWidth: Integer;
begin
  Result := FWidth;
end;

procedure TControl.SetClientHeight(Value: Integer);
begin
  FHeight := Value;
end;

procedure TControl.SetClientWidth(Value: Integer);
begin
  FWidth := Value;
end;

procedure TControl.Show;
begin
  FVisible := True;
end;

procedure TControl.Hide;
begin
  FVisible := False;
end;

procedure TControl.Invalidate;
begin
end;

procedure TControl.Refresh;
begin
end;

procedure TControl.SetBounds(ALeft, ATop, AWidth, AHeight: Integer);
begin
  FLeft := ALeft;
  FTop := ATop;
  FWidth := AWidth;
  FHeight := AHeight;
end;

{ TWinControl }

constructor TWinControl.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FControls := TList.Create;
  FBrush := TBrush.Create;
  FBevelEdges := [beLeft, beTop, beRight, beBottom];
  FBevelInner := bvRaised;
  FBevelOuter := bvLowered;
  FBevelWidth := 1;
  FCtl3D := True;
  FParentCtl3D := True;
  FImeMode := imDontCare;
  FTabOrder := -1;
end;

destructor TWinControl.Destroy;
var
  I: Integer;
begin
  for I := FControls.Count - 1 downto 0 do
    TControl(FControls[I]).FParent := nil;
  FControls.Free;
  FBrush.Free;
  inherited Destroy;
end;

procedure TWinControl.InsertControl(AControl: TControl);
begin
  FControls.Add(AControl);
end;

procedure TWinControl.RemoveControl(AControl: TControl);
begin
  FControls.Remove(AControl);
end;

function TWinControl.GetControl(Index: Integer): TControl;
begin
  Result := TControl(FControls[Index]);
end;

function TWinControl.GetControlCount: Integer;
begin
  Result := FControls.Count;
end;

function TWinControl.CanFocus: Boolean;
begin
  Result := Visible and Enabled;
end;

function TWinControl.Focused: Boolean;
begin
  Result := False;
end;

procedure TWinControl.SetFocus;
begin
end;

{ TGraphicControl }

constructor TGraphicControl.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FCanvas := TCanvas.Create;
end;

destructor TGraphicControl.Destroy;
begin
  FCanvas.Free;
  inherited Destroy;
end;

{ TCustomControl }

constructor TCustomControl.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FCanvas := TCanvas.Create;
end;

destructor TCustomControl.Destroy;
begin
  FCanvas.Free;
  inherited Destroy;
end;

initialization
  RegisterIntegerConsts(TypeInfo(TCursor), IdentToCursor, CursorToIdent);
end.
