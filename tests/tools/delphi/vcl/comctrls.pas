{ Stand-in for Delphi 7's ComCtrls unit: TPageControl and TTabSheet, the
  only common controls the generated projects use. }
unit ComCtrls;

{$mode delphi}

interface

uses
  Windows, Messages, Types, SysUtils, Classes, Graphics, Menus, Controls,
  Forms, StdCtrls, ImgList;

type
  TTabStyle = (tsTabs, tsButtons, tsFlatButtons);
  TTabPosition = (tpTop, tpBottom, tpLeft, tpRight);
  TTabChangingEvent = procedure(Sender: TObject;
    var AllowChange: Boolean) of object;
  TCustomTabControl = class;
  TDrawTabEvent = procedure(Control: TCustomTabControl; TabIndex: Integer;
    const Rect: TRect; Active: Boolean) of object;
  TTabGetImageEvent = procedure(Sender: TObject; TabIndex: Integer;
    var ImageIndex: Integer) of object;

  TCustomTabControl = class(TWinControl)
  private
    FHotTrack: Boolean;
    FImages: TCustomImageList;
    FMultiLine: Boolean;
    FMultiSelect: Boolean;
    FOwnerDraw: Boolean;
    FRaggedRight: Boolean;
    FScrollOpposite: Boolean;
    FStyle: TTabStyle;
    FTabHeight: Smallint;
    FTabIndex: Integer;
    FTabPosition: TTabPosition;
    FTabWidth: Smallint;
    FOnChange: TNotifyEvent;
    FOnChanging: TTabChangingEvent;
    FOnDrawTab: TDrawTabEvent;
    FOnGetImageIndex: TTabGetImageEvent;
    procedure SetImages(Value: TCustomImageList);
  protected
    procedure Notification(AComponent: TComponent; Operation: TOperation); override;
    property HotTrack: Boolean read FHotTrack write FHotTrack default False;
    property Images: TCustomImageList read FImages write SetImages;
    property MultiLine: Boolean read FMultiLine write FMultiLine default False;
    property MultiSelect: Boolean read FMultiSelect write FMultiSelect default False;
    property OwnerDraw: Boolean read FOwnerDraw write FOwnerDraw default False;
    property RaggedRight: Boolean read FRaggedRight write FRaggedRight default False;
    property ScrollOpposite: Boolean read FScrollOpposite write FScrollOpposite default False;
    property Style: TTabStyle read FStyle write FStyle default tsTabs;
    property TabHeight: Smallint read FTabHeight write FTabHeight default 0;
    property TabIndex: Integer read FTabIndex write FTabIndex default -1;
    property TabPosition: TTabPosition read FTabPosition write FTabPosition default tpTop;
    property TabWidth: Smallint read FTabWidth write FTabWidth default 0;
    property OnChange: TNotifyEvent read FOnChange write FOnChange;
    property OnChanging: TTabChangingEvent read FOnChanging write FOnChanging;
    property OnDrawTab: TDrawTabEvent read FOnDrawTab write FOnDrawTab;
    property OnGetImageIndex: TTabGetImageEvent read FOnGetImageIndex write FOnGetImageIndex;
  public
    constructor Create(AOwner: TComponent); override;
  end;

  TPageControl = class;

  TTabSheet = class(TWinControl)
  private
    FPageControl: TPageControl;
    FImageIndex: TImageIndex;
    FTabVisible: Boolean;
    FOnHide: TNotifyEvent;
    FOnShow: TNotifyEvent;
    function GetPageIndex: Integer;
    procedure SetPageIndex(Value: Integer);
    procedure SetPageControl(APageControl: TPageControl);
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    procedure SetParentComponent(Value: TComponent); override;
    property PageControl: TPageControl read FPageControl write SetPageControl;
    property TabIndex: Integer read GetPageIndex;
  published
    property BorderWidth;
    property Caption;
    property DragMode;
    property Enabled;
    property Font;
    property Height stored False;
    property ImageIndex: TImageIndex read FImageIndex write FImageIndex default 0;
    property Left stored False;
    property Constraints;
    property PageIndex: Integer read GetPageIndex write SetPageIndex stored False;
    property ParentFont;
    property ParentShowHint;
    property PopupMenu;
    property ShowHint;
    property TabVisible: Boolean read FTabVisible write FTabVisible default True;
    property Top stored False;
    property Visible stored False;
    property Width stored False;
    property OnContextPopup;
    property OnDragDrop;
    property OnDragOver;
    property OnEndDrag;
    property OnEnter;
    property OnExit;
    property OnHide: TNotifyEvent read FOnHide write FOnHide;
    property OnResize;
    property OnShow: TNotifyEvent read FOnShow write FOnShow;
    property OnStartDrag;
  end;

  TPageControl = class(TCustomTabControl)
  private
    FPages: TList;
    FActivePage: TTabSheet;
    function GetPage(Index: Integer): TTabSheet;
    function GetPageCount: Integer;
    procedure SetActivePage(Page: TTabSheet);
  protected
    procedure Notification(AComponent: TComponent; Operation: TOperation); override;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    property PageCount: Integer read GetPageCount;
    property Pages[Index: Integer]: TTabSheet read GetPage;
  published
    property ActivePage: TTabSheet read FActivePage write SetActivePage;
    property Align;
    property Anchors;
    property BiDiMode;
    property Constraints;
    property DockSite;
    property DragCursor;
    property DragKind;
    property DragMode;
    property Enabled;
    property Font;
    property HotTrack;
    property Images;
    property MultiLine;
    property OwnerDraw;
    property ParentBiDiMode;
    property ParentFont;
    property ParentShowHint;
    property PopupMenu;
    property RaggedRight;
    property ScrollOpposite;
    property ShowHint;
    property Style;
    property TabHeight;
    property TabOrder;
    property TabPosition;
    property TabStop;
    property TabWidth;
    property Visible;
    property OnChange;
    property OnChanging;
    property OnContextPopup;
    property OnDockDrop;
    property OnDockOver;
    property OnDragDrop;
    property OnDragOver;
    property OnDrawTab;
    property OnEndDock;
    property OnEndDrag;
    property OnEnter;
    property OnExit;
    property OnGetImageIndex;
    property OnGetSiteInfo;
    property OnResize;
    property OnStartDock;
    property OnStartDrag;
    property OnUnDock;
  end;

implementation

{ TCustomTabControl }

constructor TCustomTabControl.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FTabIndex := -1;
  TabStop := True;
end;

procedure TCustomTabControl.Notification(AComponent: TComponent; Operation: TOperation);
begin
  inherited Notification(AComponent, Operation);
  if (Operation = opRemove) and (AComponent = FImages) then
    FImages := nil;
end;

procedure TCustomTabControl.SetImages(Value: TCustomImageList);
begin
  FImages := Value;
  if Value <> nil then
    Value.FreeNotification(Self);
end;

{ TTabSheet }

constructor TTabSheet.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FTabVisible := True;
  Visible := False;
end;

destructor TTabSheet.Destroy;
begin
  SetPageControl(nil);
  inherited Destroy;
end;

procedure TTabSheet.SetParentComponent(Value: TComponent);
begin
  inherited SetParentComponent(Value);
  if Value is TPageControl then
    SetPageControl(TPageControl(Value));
end;

procedure TTabSheet.SetPageControl(APageControl: TPageControl);
begin
  if FPageControl = APageControl then
    Exit;
  if FPageControl <> nil then
    FPageControl.FPages.Remove(Self);
  FPageControl := APageControl;
  if APageControl <> nil then
  begin
    APageControl.FPages.Add(Self);
    Parent := APageControl;
  end;
end;

function TTabSheet.GetPageIndex: Integer;
begin
  if FPageControl <> nil then
    Result := FPageControl.FPages.IndexOf(Self)
  else
    Result := -1;
end;

procedure TTabSheet.SetPageIndex(Value: Integer);
begin
  if (FPageControl <> nil) and (Value >= 0) and (Value < FPageControl.FPages.Count) then
    FPageControl.FPages.Move(GetPageIndex, Value);
end;

{ TPageControl }

constructor TPageControl.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FPages := TList.Create;
end;

destructor TPageControl.Destroy;
var
  I: Integer;
begin
  for I := FPages.Count - 1 downto 0 do
    TTabSheet(FPages[I]).FPageControl := nil;
  FPages.Free;
  inherited Destroy;
end;

procedure TPageControl.Notification(AComponent: TComponent; Operation: TOperation);
begin
  inherited Notification(AComponent, Operation);
  if (Operation = opRemove) and (AComponent = FActivePage) then
    FActivePage := nil;
end;

function TPageControl.GetPage(Index: Integer): TTabSheet;
begin
  Result := TTabSheet(FPages[Index]);
end;

function TPageControl.GetPageCount: Integer;
begin
  Result := FPages.Count;
end;

procedure TPageControl.SetActivePage(Page: TTabSheet);
begin
  FActivePage := Page;
  if Page <> nil then
    Page.FreeNotification(Self);
end;

end.
