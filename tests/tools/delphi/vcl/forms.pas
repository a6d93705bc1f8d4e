{ Stand-in for Delphi 7's Forms unit: TScrollingWinControl, TCustomForm,
  TForm, TApplication and TScreen.

  TCustomForm stores TextHeight through DefineProperties, as the VCL does;
  PixelsPerInch is published by TForm.  Forms and data modules register with
  Screen, and the unit installs a FindGlobalComponent handler that finds
  them by name, so that references such as 'DM.Orders_DS' in one form file
  resolve against a data module loaded from another. }
unit Forms;

{$mode delphi}

interface

uses
  Windows, Messages, Types, SysUtils, Classes, Graphics, Menus, Controls;

type
  TScrollBarKind = (sbHorizontal, sbVertical);
  TScrollBarInc = 1..32767;
  TScrollBarStyle = (ssRegular, ssFlat, ssHotTrack);

  TControlScrollBar = class(TPersistent)
  private
    FKind: TScrollBarKind;
    FButtonSize: Integer;
    FColor: TColor;
    FIncrement: TScrollBarInc;
    FMargin: Word;
    FParentColor: Boolean;
    FPosition: Integer;
    FRange: Integer;
    FSmooth: Boolean;
    FSize: Integer;
    FStyle: TScrollBarStyle;
    FThumbSize: Integer;
    FTracking: Boolean;
    FVisible: Boolean;
  public
    constructor Create(AKind: TScrollBarKind);
    procedure Assign(Source: TPersistent); override;
    property Kind: TScrollBarKind read FKind;
  published
    property ButtonSize: Integer read FButtonSize write FButtonSize default 0;
    property Color: TColor read FColor write FColor default clBtnHighlight;
    property Increment: TScrollBarInc read FIncrement write FIncrement default 8;
    property Margin: Word read FMargin write FMargin default 0;
    property ParentColor: Boolean read FParentColor write FParentColor default True;
    property Position: Integer read FPosition write FPosition default 0;
    property Range: Integer read FRange write FRange default 0;
    property Smooth: Boolean read FSmooth write FSmooth default False;
    property Size: Integer read FSize write FSize default 0;
    property Style: TScrollBarStyle read FStyle write FStyle default ssRegular;
    property ThumbSize: Integer read FThumbSize write FThumbSize default 0;
    property Tracking: Boolean read FTracking write FTracking default False;
    property Visible: Boolean read FVisible write FVisible default True;
  end;

  TScrollingWinControl = class(TWinControl)
  private
    FAutoScroll: Boolean;
    FHorzScrollBar: TControlScrollBar;
    FVertScrollBar: TControlScrollBar;
    procedure SetHorzScrollBar(Value: TControlScrollBar);
    procedure SetVertScrollBar(Value: TControlScrollBar);
  protected
    property AutoScroll: Boolean read FAutoScroll write FAutoScroll default True;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
  published
    property HorzScrollBar: TControlScrollBar read FHorzScrollBar write SetHorzScrollBar;
    property VertScrollBar: TControlScrollBar read FVertScrollBar write SetVertScrollBar;
  end;

  TBorderIcon = (biSystemMenu, biMinimize, biMaximize, biHelp);
  TBorderIcons = set of TBorderIcon;
  TFormBorderStyle = (bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow,
    bsSizeToolWin);
  TBorderStyle = bsNone..bsSingle;
  TFormStyle = (fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop);
  TPosition = (poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly,
    poScreenCenter, poDesktopCenter, poMainFormCenter, poOwnerFormCenter);
  TPrintScale = (poNone, poProportional, poPrintToFit);
  TWindowState = (wsNormal, wsMinimized, wsMaximized);
  TDefaultMonitor = (dmDesktop, dmPrimary, dmMainForm, dmActiveForm);
  TCloseAction = (caNone, caHide, caFree, caMinimize);
  TCloseEvent = procedure(Sender: TObject; var Action: TCloseAction) of object;
  TCloseQueryEvent = procedure(Sender: TObject; var CanClose: Boolean) of object;
  THelpEvent = function(Command: Word; Data: Longint;
    var CallHelp: Boolean): Boolean of object;
  TShortCutEvent = procedure(var Msg: TWMKey; var Handled: Boolean) of object;

  TCustomForm = class(TScrollingWinControl)
  private
    FActiveControl: TWinControl;
    FAlphaBlend: Boolean;
    FAlphaBlendValue: Byte;
    FBorderIcons: TBorderIcons;
    FBorderStyle: TFormBorderStyle;
    FDefaultMonitor: TDefaultMonitor;
    FFormStyle: TFormStyle;
    FHelpFile: string;
    FIcon: TIcon;
    FKeyPreview: Boolean;
    FMenu: TMainMenu;
    FModalResult: TModalResult;
    FObjectMenuItem: TMenuItem;
    FOldCreateOrder: Boolean;
    FPixelsPerInch: Integer;
    FPosition: TPosition;
    FPrintScale: TPrintScale;
    FScaled: Boolean;
    FScreenSnap: Boolean;
    FSnapBuffer: Integer;
    FTextHeight: Integer;
    FTransparentColor: Boolean;
    FTransparentColorValue: TColor;
    FWindowMenu: TMenuItem;
    FWindowState: TWindowState;
    FOnActivate: TNotifyEvent;
    FOnClose: TCloseEvent;
    FOnCloseQuery: TCloseQueryEvent;
    FOnCreate: TNotifyEvent;
    FOnDeactivate: TNotifyEvent;
    FOnDestroy: TNotifyEvent;
    FOnHelp: THelpEvent;
    FOnHide: TNotifyEvent;
    FOnPaint: TNotifyEvent;
    FOnShortCut: TShortCutEvent;
    FOnShow: TNotifyEvent;
    procedure SetIcon(Value: TIcon);
    procedure ReadTextHeight(Reader: TReader);
    procedure WriteTextHeight(Writer: TWriter);
    procedure IgnoreIdent(Reader: TReader);
  protected
    procedure DefineProperties(Filer: TFiler); override;
    procedure DoCreate; virtual;
    procedure DoDestroy; virtual;
    property ActiveControl: TWinControl read FActiveControl write FActiveControl;
    property AlphaBlend: Boolean read FAlphaBlend write FAlphaBlend;
    property AlphaBlendValue: Byte read FAlphaBlendValue write FAlphaBlendValue;
    property BorderIcons: TBorderIcons read FBorderIcons write FBorderIcons default [biSystemMenu, biMinimize, biMaximize];
    property BorderStyle: TFormBorderStyle read FBorderStyle write FBorderStyle default bsSizeable;
    property DefaultMonitor: TDefaultMonitor read FDefaultMonitor write FDefaultMonitor default dmActiveForm;
    property FormStyle: TFormStyle read FFormStyle write FFormStyle default fsNormal;
    property HelpFile: string read FHelpFile write FHelpFile;
    property Icon: TIcon read FIcon write SetIcon;
    property KeyPreview: Boolean read FKeyPreview write FKeyPreview default False;
    property Menu: TMainMenu read FMenu write FMenu;
    property ObjectMenuItem: TMenuItem read FObjectMenuItem write FObjectMenuItem;
    property OldCreateOrder: Boolean read FOldCreateOrder write FOldCreateOrder;
    property PixelsPerInch: Integer read FPixelsPerInch write FPixelsPerInch;
    property Position: TPosition read FPosition write FPosition default poDesigned;
    property PrintScale: TPrintScale read FPrintScale write FPrintScale default poProportional;
    property Scaled: Boolean read FScaled write FScaled default True;
    property ScreenSnap: Boolean read FScreenSnap write FScreenSnap;
    property SnapBuffer: Integer read FSnapBuffer write FSnapBuffer;
    property TransparentColor: Boolean read FTransparentColor write FTransparentColor;
    property TransparentColorValue: TColor read FTransparentColorValue write FTransparentColorValue;
    property WindowMenu: TMenuItem read FWindowMenu write FWindowMenu;
    property WindowState: TWindowState read FWindowState write FWindowState default wsNormal;
    property OnActivate: TNotifyEvent read FOnActivate write FOnActivate;
    property OnClose: TCloseEvent read FOnClose write FOnClose;
    property OnCloseQuery: TCloseQueryEvent read FOnCloseQuery write FOnCloseQuery;
    property OnCreate: TNotifyEvent read FOnCreate write FOnCreate;
    property OnDeactivate: TNotifyEvent read FOnDeactivate write FOnDeactivate;
    property OnDestroy: TNotifyEvent read FOnDestroy write FOnDestroy;
    property OnHelp: THelpEvent read FOnHelp write FOnHelp;
    property OnHide: TNotifyEvent read FOnHide write FOnHide;
    property OnPaint: TNotifyEvent read FOnPaint write FOnPaint;
    property OnShortCut: TShortCutEvent read FOnShortCut write FOnShortCut;
    property OnShow: TNotifyEvent read FOnShow write FOnShow;
  public
    constructor Create(AOwner: TComponent); override;
    constructor CreateNew(AOwner: TComponent; Dummy: Integer = 0); virtual;
    destructor Destroy; override;
    procedure AfterConstruction; override;
    procedure BeforeDestruction; override;
    procedure Close;
    function CloseQuery: Boolean; virtual;
    procedure Release;
    function ShowModal: Integer; virtual;
    property ModalResult: TModalResult read FModalResult write FModalResult;
  end;

  TCustomFormClass = class of TCustomForm;

  TForm = class(TCustomForm)
  published
    property Action;
    property ActiveControl;
    property Align;
    property AlphaBlend default False;
    property AlphaBlendValue default 255;
    property Anchors;
    property AutoScroll;
    property AutoSize;
    property BiDiMode;
    property BorderIcons;
    property BorderStyle;
    property BorderWidth;
    property Caption;
    property ClientHeight;
    property ClientWidth;
    property Color;
    property TransparentColor default False;
    property TransparentColorValue default 0;
    property Constraints;
    property Ctl3D;
    property UseDockManager;
    property DefaultMonitor;
    property DockSite;
    property DragKind;
    property DragMode;
    property Enabled;
    property ParentFont default False;
    property Font;
    property FormStyle;
    property HelpFile;
    property Icon;
    property KeyPreview;
    property Menu;
    property OldCreateOrder;
    property ObjectMenuItem;
    property ParentBiDiMode;
    property PixelsPerInch;
    property PopupMenu;
    property Position;
    property PrintScale;
    property Scaled;
    property ShowHint;
    property Visible;
    property WindowState;
    property WindowMenu;
    property OnActivate;
    property OnCanResize;
    property OnClick;
    property OnClose;
    property OnCloseQuery;
    property OnConstrainedResize;
    property OnContextPopup;
    property OnCreate;
    property OnDblClick;
    property OnDestroy;
    property OnDeactivate;
    property OnDockDrop;
    property OnDockOver;
    property OnDragDrop;
    property OnDragOver;
    property OnEndDock;
    property OnGetSiteInfo;
    property OnHide;
    property OnHelp;
    property OnKeyDown;
    property OnKeyPress;
    property OnKeyUp;
    property OnMouseDown;
    property OnMouseMove;
    property OnMouseUp;
    property OnMouseWheel;
    property OnMouseWheelDown;
    property OnMouseWheelUp;
    property OnPaint;
    property OnResize;
    property OnShortCut;
    property OnShow;
    property OnStartDock;
    property OnUnDock;
  end;

  TFormClass = class of TForm;

  TExceptionEvent = procedure(Sender: TObject; E: Exception) of object;

  TApplication = class(TComponent)
  private
    FTitle: string;
    FMainForm: TForm;
    FTerminated: Boolean;
    FShowMainForm: Boolean;
    FHintColor: TColor;
    FOnException: TExceptionEvent;
    function GetExeName: string;
  public
    constructor Create(AOwner: TComponent); override;
    procedure Initialize;
    procedure CreateForm(InstanceClass: TComponentClass; var Reference);
    procedure Run;
    procedure Terminate;
    procedure ProcessMessages;
    procedure HandleException(Sender: TObject);
    procedure ShowException(E: Exception);
    function MessageBox(const Text, Caption: PChar; Flags: Longint = MB_OK): Integer;
    property ExeName: string read GetExeName;
    property HintColor: TColor read FHintColor write FHintColor;
    property MainForm: TForm read FMainForm;
    property ShowMainForm: Boolean read FShowMainForm write FShowMainForm;
    property Terminated: Boolean read FTerminated;
    property Title: string read FTitle write FTitle;
    property OnException: TExceptionEvent read FOnException write FOnException;
  end;

  TScreen = class(TComponent)
  private
    FForms: TList;
    FDataModules: TList;
    FCursor: TCursor;
    function GetForm(Index: Integer): TForm;
    function GetFormCount: Integer;
    function GetCustomForm(Index: Integer): TCustomForm;
    function GetDataModule(Index: Integer): TDataModule;
    function GetDataModuleCount: Integer;
    procedure AddDataModule(DataModule: TDataModule);
    procedure RemoveDataModule(DataModule: TDataModule);
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    property Cursor: TCursor read FCursor write FCursor;
    property CustomFormCount: Integer read GetFormCount;
    property CustomForms[Index: Integer]: TCustomForm read GetCustomForm;
    property DataModuleCount: Integer read GetDataModuleCount;
    property DataModules[Index: Integer]: TDataModule read GetDataModule;
    property FormCount: Integer read GetFormCount;
    property Forms[Index: Integer]: TForm read GetForm;
  end;

var
  Application: TApplication;
  Screen: TScreen;

implementation

{ TControlScrollBar }

constructor TControlScrollBar.Create(AKind: TScrollBarKind);
begin
  inherited Create;
  FKind := AKind;
  FColor := clBtnHighlight;
  FIncrement := 8;
  FParentColor := True;
  FVisible := True;
end;

procedure TControlScrollBar.Assign(Source: TPersistent);
begin
  if Source is TControlScrollBar then
  begin
    FButtonSize := TControlScrollBar(Source).FButtonSize;
    FColor := TControlScrollBar(Source).FColor;
    FIncrement := TControlScrollBar(Source).FIncrement;
    FMargin := TControlScrollBar(Source).FMargin;
    FParentColor := TControlScrollBar(Source).FParentColor;
    FPosition := TControlScrollBar(Source).FPosition;
    FRange := TControlScrollBar(Source).FRange;
    FSmooth := TControlScrollBar(Source).FSmooth;
    FSize := TControlScrollBar(Source).FSize;
    FStyle := TControlScrollBar(Source).FStyle;
    FThumbSize := TControlScrollBar(Source).FThumbSize;
    FTracking := TControlScrollBar(Source).FTracking;
    FVisible := TControlScrollBar(Source).FVisible;
  end
  else
    inherited Assign(Source);
end;

{ TScrollingWinControl }

constructor TScrollingWinControl.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FAutoScroll := True;
  FHorzScrollBar := TControlScrollBar.Create(sbHorizontal);
  FVertScrollBar := TControlScrollBar.Create(sbVertical);
end;

destructor TScrollingWinControl.Destroy;
begin
  FHorzScrollBar.Free;
  FVertScrollBar.Free;
  inherited Destroy;
end;

procedure TScrollingWinControl.SetHorzScrollBar(Value: TControlScrollBar);
begin
  FHorzScrollBar.Assign(Value);
end;

procedure TScrollingWinControl.SetVertScrollBar(Value: TControlScrollBar);
begin
  FVertScrollBar.Assign(Value);
end;

{ TCustomForm }

constructor TCustomForm.Create(AOwner: TComponent);
begin
  CreateNew(AOwner);
  { The VCL reads the form's resource here.  Nothing is registered to do
    that in this library: the check streams each form file in itself. }
  if ClassType <> TForm then
    InitInheritedComponent(Self, TForm);
end;

constructor TCustomForm.CreateNew(AOwner: TComponent; Dummy: Integer);
begin
  inherited Create(AOwner);
  Visible := False;
  ParentFont := False;
  FBorderIcons := [biSystemMenu, biMinimize, biMaximize];
  FBorderStyle := bsSizeable;
  FDefaultMonitor := dmActiveForm;
  FPixelsPerInch := 96;
  FPrintScale := poProportional;
  FScaled := True;
  FSnapBuffer := 10;
  FAlphaBlendValue := 255;
  FIcon := TIcon.Create;
  if Screen <> nil then
    Screen.FForms.Add(Self);
end;

destructor TCustomForm.Destroy;
begin
  if Screen <> nil then
    Screen.FForms.Remove(Self);
  FIcon.Free;
  inherited Destroy;
end;

procedure TCustomForm.AfterConstruction;
begin
  inherited AfterConstruction;
  if not FOldCreateOrder then
    DoCreate;
end;

procedure TCustomForm.BeforeDestruction;
begin
  if not FOldCreateOrder then
    DoDestroy;
  inherited BeforeDestruction;
end;

procedure TCustomForm.DoCreate;
begin
  if Assigned(FOnCreate) then
    FOnCreate(Self);
end;

procedure TCustomForm.DoDestroy;
begin
  if Assigned(FOnDestroy) then
    FOnDestroy(Self);
end;

procedure TCustomForm.SetIcon(Value: TIcon);
begin
  FIcon.Assign(Value);
end;

procedure TCustomForm.ReadTextHeight(Reader: TReader);
begin
  FTextHeight := Reader.ReadInteger;
end;

procedure TCustomForm.WriteTextHeight(Writer: TWriter);
begin
  Writer.WriteInteger(FTextHeight);
end;

procedure TCustomForm.IgnoreIdent(Reader: TReader);
begin
  Reader.ReadIdent;
end;

procedure TCustomForm.DefineProperties(Filer: TFiler);
begin
  inherited DefineProperties(Filer);
  Filer.DefineProperty('TextHeight', ReadTextHeight, WriteTextHeight, True);
  Filer.DefineProperty('IgnoreFontProperty', IgnoreIdent, nil, False);
end;

procedure TCustomForm.Close;
begin
  Hide;
end;

function TCustomForm.CloseQuery: Boolean;
begin
  Result := True;
  if Assigned(FOnCloseQuery) then
    FOnCloseQuery(Self, Result);
end;

procedure TCustomForm.Release;
begin
end;

function TCustomForm.ShowModal: Integer;
begin
  Result := FModalResult;
end;

{ TApplication }

constructor TApplication.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FShowMainForm := True;
end;

function TApplication.GetExeName: string;
begin
  Result := ParamStr(0);
end;

procedure TApplication.Initialize;
begin
end;

procedure TApplication.CreateForm(InstanceClass: TComponentClass; var Reference);
var
  Instance: TComponent;
begin
  Instance := TComponent(InstanceClass.NewInstance);
  TComponent(Reference) := Instance;
  try
    Instance.Create(Self);
  except
    TComponent(Reference) := nil;
    raise;
  end;
  if (FMainForm = nil) and (Instance is TForm) then
    FMainForm := TForm(Instance);
end;

procedure TApplication.Run;
begin
end;

procedure TApplication.Terminate;
begin
  FTerminated := True;
end;

procedure TApplication.ProcessMessages;
begin
end;

procedure TApplication.HandleException(Sender: TObject);
begin
  if ExceptObject is Exception then
    ShowException(Exception(ExceptObject));
end;

procedure TApplication.ShowException(E: Exception);
begin
end;

function TApplication.MessageBox(const Text, Caption: PChar; Flags: Longint): Integer;
begin
  Result := Windows.MessageBox(0, Text, Caption, Flags);
end;

{ TScreen }

constructor TScreen.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FForms := TList.Create;
  FDataModules := TList.Create;
end;

destructor TScreen.Destroy;
begin
  FForms.Free;
  FDataModules.Free;
  inherited Destroy;
end;

function TScreen.GetForm(Index: Integer): TForm;
begin
  Result := TForm(FForms[Index]);
end;

function TScreen.GetCustomForm(Index: Integer): TCustomForm;
begin
  Result := TCustomForm(FForms[Index]);
end;

function TScreen.GetFormCount: Integer;
begin
  Result := FForms.Count;
end;

function TScreen.GetDataModule(Index: Integer): TDataModule;
begin
  Result := TDataModule(FDataModules[Index]);
end;

function TScreen.GetDataModuleCount: Integer;
begin
  Result := FDataModules.Count;
end;

procedure TScreen.AddDataModule(DataModule: TDataModule);
begin
  FDataModules.Add(DataModule);
end;

procedure TScreen.RemoveDataModule(DataModule: TDataModule);
begin
  FDataModules.Remove(DataModule);
end;

function FindGlobalComponent(const Name: string): TComponent;
var
  I: Integer;
begin
  for I := 0 to Screen.FormCount - 1 do
  begin
    Result := Screen.Forms[I];
    if SameText(Result.Name, Name) then
      Exit;
  end;
  for I := 0 to Screen.DataModuleCount - 1 do
  begin
    Result := Screen.DataModules[I];
    if SameText(Result.Name, Name) then
      Exit;
  end;
  Result := nil;
end;

initialization
  Screen := TScreen.Create(nil);
  Application := TApplication.Create(nil);
  Classes.AddDataModule := Screen.AddDataModule;
  Classes.RemoveDataModule := Screen.RemoveDataModule;
  RegisterFindGlobalComponentProc(FindGlobalComponent);
end.
