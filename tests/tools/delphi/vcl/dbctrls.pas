{ Stand-in for Delphi 7's DBCtrls unit: TDBEdit, TDBMemo, TDBCheckBox,
  TDBLookupComboBox and TDBNavigator.  TDBText, TDBListBox, TDBComboBox,
  TDBImage, TDBRadioGroup, TDBLookupListBox and TDBRichEdit are not used by
  the generated projects and are left out. }
unit DBCtrls;

{$mode delphi}

interface

uses
  Windows, Messages, SysUtils, Classes, Graphics, Menus, Controls, Forms,
  StdCtrls, ExtCtrls, Mask, DB;

type
  TNavigateBtn = (nbFirst, nbPrior, nbNext, nbLast, nbInsert, nbDelete,
    nbEdit, nbPost, nbCancel, nbRefresh);
  TButtonSet = set of TNavigateBtn;
  ENavClick = procedure(Sender: TObject; Button: TNavigateBtn) of object;
  TDropDownAlign = (daLeft, daRight, daCenter);

  TDBEdit = class(TCustomMaskEdit)
  private
    FDataField: string;
    FDataSource: TDataSource;
    procedure SetDataSource(Value: TDataSource);
    function GetField: TField;
  protected
    procedure Notification(AComponent: TComponent; Operation: TOperation); override;
  public
    property Field: TField read GetField;
  published
    property Anchors;
    property AutoSelect;
    property AutoSize;
    property BevelEdges;
    property BevelInner;
    property BevelOuter;
    property BevelKind;
    property BiDiMode;
    property BorderStyle;
    property CharCase;
    property Color;
    property Constraints;
    property Ctl3D;
    property DataField: string read FDataField write FDataField;
    property DataSource: TDataSource read FDataSource write SetDataSource;
    property DragCursor;
    property DragKind;
    property DragMode;
    property Enabled;
    property Font;
    property ImeMode;
    property ImeName;
    property MaxLength;
    property ParentBiDiMode;
    property ParentColor;
    property ParentCtl3D;
    property ParentFont;
    property ParentShowHint;
    property PasswordChar;
    property PopupMenu;
    property ReadOnly;
    property ShowHint;
    property TabOrder;
    property TabStop;
    property Visible;
    property OnChange;
    property OnClick;
    property OnContextPopup;
    property OnDblClick;
    property OnDragDrop;
    property OnDragOver;
    property OnEndDock;
    property OnEndDrag;
    property OnEnter;
    property OnExit;
    property OnKeyDown;
    property OnKeyPress;
    property OnKeyUp;
    property OnMouseDown;
    property OnMouseMove;
    property OnMouseUp;
    property OnStartDock;
    property OnStartDrag;
  end;

  TDBMemo = class(TCustomMemo)
  private
    FAutoDisplay: Boolean;
    FDataField: string;
    FDataSource: TDataSource;
    procedure SetDataSource(Value: TDataSource);
    function GetField: TField;
  protected
    procedure Notification(AComponent: TComponent; Operation: TOperation); override;
  public
    constructor Create(AOwner: TComponent); override;
    property Field: TField read GetField;
  published
    property Align;
    property Alignment;
    property Anchors;
    property AutoDisplay: Boolean read FAutoDisplay write FAutoDisplay default True;
    property BevelEdges;
    property BevelInner;
    property BevelKind;
    property BevelOuter;
    property BiDiMode;
    property BorderStyle;
    property Color;
    property Constraints;
    property Ctl3D;
    property DataField: string read FDataField write FDataField;
    property DataSource: TDataSource read FDataSource write SetDataSource;
    property DragCursor;
    property DragKind;
    property DragMode;
    property Enabled;
    property Font;
    property HideSelection;
    property ImeMode;
    property ImeName;
    property MaxLength;
    property OEMConvert;
    property ParentBiDiMode;
    property ParentColor;
    property ParentCtl3D;
    property ParentFont;
    property ParentShowHint;
    property PopupMenu;
    property ReadOnly;
    property ScrollBars;
    property ShowHint;
    property TabOrder;
    property TabStop;
    property Visible;
    property WantReturns;
    property WantTabs;
    property WordWrap;
    property OnChange;
    property OnClick;
    property OnContextPopup;
    property OnDblClick;
    property OnDragDrop;
    property OnDragOver;
    property OnEndDock;
    property OnEndDrag;
    property OnEnter;
    property OnExit;
    property OnKeyDown;
    property OnKeyPress;
    property OnKeyUp;
    property OnMouseDown;
    property OnMouseMove;
    property OnMouseUp;
    property OnStartDock;
    property OnStartDrag;
  end;

  TDBCheckBox = class(TCustomCheckBox)
  private
    FDataField: string;
    FDataSource: TDataSource;
    FReadOnly: Boolean;
    FValueChecked: string;
    FValueUnchecked: string;
    procedure SetDataSource(Value: TDataSource);
    function GetField: TField;
  protected
    procedure Notification(AComponent: TComponent; Operation: TOperation); override;
  public
    constructor Create(AOwner: TComponent); override;
    property Checked;
    property Field: TField read GetField;
    property State;
  published
    property Alignment;
    property AllowGrayed;
    property Anchors;
    property BiDiMode;
    property Caption;
    property Color;
    property Constraints;
    property Ctl3D;
    property DataField: string read FDataField write FDataField;
    property DataSource: TDataSource read FDataSource write SetDataSource;
    property DragCursor;
    property DragKind;
    property DragMode;
    property Enabled;
    property Font;
    property ParentBiDiMode;
    property ParentColor;
    property ParentCtl3D;
    property ParentFont;
    property ParentShowHint;
    property PopupMenu;
    property ReadOnly: Boolean read FReadOnly write FReadOnly default False;
    property ShowHint;
    property TabOrder;
    property TabStop;
    property ValueChecked: string read FValueChecked write FValueChecked;
    property ValueUnchecked: string read FValueUnchecked write FValueUnchecked;
    property Visible;
    property OnClick;
    property OnContextPopup;
    property OnDragDrop;
    property OnDragOver;
    property OnEndDock;
    property OnEndDrag;
    property OnEnter;
    property OnExit;
    property OnKeyDown;
    property OnKeyPress;
    property OnKeyUp;
    property OnMouseDown;
    property OnMouseMove;
    property OnMouseUp;
    property OnStartDock;
    property OnStartDrag;
  end;

  TDBLookupControl = class(TCustomControl)
  private
    FDataField: string;
    FDataSource: TDataSource;
    FKeyField: string;
    FListField: string;
    FListFieldIndex: Integer;
    FListSource: TDataSource;
    FNullValueKey: TShortCut;
    FReadOnly: Boolean;
    procedure SetDataSource(Value: TDataSource);
    procedure SetListSource(Value: TDataSource);
  protected
    procedure Notification(AComponent: TComponent; Operation: TOperation); override;
    property DataField: string read FDataField write FDataField;
    property DataSource: TDataSource read FDataSource write SetDataSource;
    property KeyField: string read FKeyField write FKeyField;
    property ListField: string read FListField write FListField;
    property ListFieldIndex: Integer read FListFieldIndex write FListFieldIndex default 0;
    property ListSource: TDataSource read FListSource write SetListSource;
    property NullValueKey: TShortCut read FNullValueKey write FNullValueKey default 0;
    property ReadOnly: Boolean read FReadOnly write FReadOnly default False;
  public
    constructor Create(AOwner: TComponent); override;
  end;

  TDBLookupComboBox = class(TDBLookupControl)
  private
    FDropDownAlign: TDropDownAlign;
    FDropDownRows: Integer;
    FDropDownWidth: Integer;
    FOnCloseUp: TNotifyEvent;
    FOnDropDown: TNotifyEvent;
  public
    constructor Create(AOwner: TComponent); override;
  published
    property Anchors;
    property BiDiMode;
    property Color;
    property Constraints;
    property Ctl3D;
    property DataField;
    property DataSource;
    property DragCursor;
    property DragKind;
    property DragMode;
    property DropDownAlign: TDropDownAlign read FDropDownAlign write FDropDownAlign default daLeft;
    property DropDownRows: Integer read FDropDownRows write FDropDownRows default 7;
    property DropDownWidth: Integer read FDropDownWidth write FDropDownWidth default 0;
    property Enabled;
    property Font;
    property ImeMode;
    property ImeName;
    property KeyField;
    property ListField;
    property ListFieldIndex;
    property ListSource;
    property NullValueKey;
    property ParentBiDiMode;
    property ParentColor;
    property ParentCtl3D;
    property ParentFont;
    property ParentShowHint;
    property PopupMenu;
    property ReadOnly;
    property ShowHint;
    property TabOrder;
    property TabStop;
    property Visible;
    property OnClick;
    property OnCloseUp: TNotifyEvent read FOnCloseUp write FOnCloseUp;
    property OnContextPopup;
    property OnDragDrop;
    property OnDragOver;
    property OnDropDown: TNotifyEvent read FOnDropDown write FOnDropDown;
    property OnEndDock;
    property OnEndDrag;
    property OnEnter;
    property OnExit;
    property OnKeyDown;
    property OnKeyPress;
    property OnKeyUp;
    property OnMouseDown;
    property OnMouseMove;
    property OnMouseUp;
    property OnStartDock;
    property OnStartDrag;
  end;

  TDBNavigator = class(TCustomPanel)
  private
    FDataSource: TDataSource;
    FVisibleButtons: TButtonSet;
    FFlat: Boolean;
    FHints: TStrings;
    FConfirmDelete: Boolean;
    FBeforeAction: ENavClick;
    FOnNavClick: ENavClick;
    procedure SetDataSource(Value: TDataSource);
    procedure SetHints(Value: TStrings);
  protected
    procedure Notification(AComponent: TComponent; Operation: TOperation); override;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    procedure BtnClick(Index: TNavigateBtn); virtual;
  published
    property DataSource: TDataSource read FDataSource write SetDataSource;
    property VisibleButtons: TButtonSet read FVisibleButtons write FVisibleButtons
      default [nbFirst, nbPrior, nbNext, nbLast, nbInsert, nbDelete, nbEdit,
        nbPost, nbCancel, nbRefresh];
    property Align;
    property Anchors;
    property Constraints;
    property DragCursor;
    property DragKind;
    property DragMode;
    property Enabled;
    property Flat: Boolean read FFlat write FFlat default False;
    property Ctl3D;
    property Hints: TStrings read FHints write SetHints;
    property ParentCtl3D;
    property ParentShowHint;
    property PopupMenu;
    property ConfirmDelete: Boolean read FConfirmDelete write FConfirmDelete default True;
    property ShowHint;
    property TabOrder;
    property TabStop;
    property Visible;
    property BeforeAction: ENavClick read FBeforeAction write FBeforeAction;
    property OnClick: ENavClick read FOnNavClick write FOnNavClick;
    property OnContextPopup;
    property OnDblClick;
    property OnDragDrop;
    property OnDragOver;
    property OnEndDock;
    property OnEndDrag;
    property OnEnter;
    property OnExit;
    property OnResize;
    property OnStartDock;
    property OnStartDrag;
  end;

implementation

function FieldOf(DataSource: TDataSource; const DataField: string): TField;
begin
  Result := nil;
  if (DataSource <> nil) and (DataSource.DataSet <> nil) then
    Result := DataSource.DataSet.FindField(DataField);
end;

{ TDBEdit }

procedure TDBEdit.Notification(AComponent: TComponent; Operation: TOperation);
begin
  inherited Notification(AComponent, Operation);
  if (Operation = opRemove) and (AComponent = FDataSource) then
    FDataSource := nil;
end;

procedure TDBEdit.SetDataSource(Value: TDataSource);
begin
  FDataSource := Value;
  if Value <> nil then
    Value.FreeNotification(Self);
end;

function TDBEdit.GetField: TField;
begin
  Result := FieldOf(FDataSource, FDataField);
end;

{ TDBMemo }

constructor TDBMemo.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FAutoDisplay := True;
end;

procedure TDBMemo.Notification(AComponent: TComponent; Operation: TOperation);
begin
  inherited Notification(AComponent, Operation);
  if (Operation = opRemove) and (AComponent = FDataSource) then
    FDataSource := nil;
end;

procedure TDBMemo.SetDataSource(Value: TDataSource);
begin
  FDataSource := Value;
  if Value <> nil then
    Value.FreeNotification(Self);
end;

function TDBMemo.GetField: TField;
begin
  Result := FieldOf(FDataSource, FDataField);
end;

{ TDBCheckBox }

constructor TDBCheckBox.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FValueChecked := 'True';
  FValueUnchecked := 'False';
end;

procedure TDBCheckBox.Notification(AComponent: TComponent; Operation: TOperation);
begin
  inherited Notification(AComponent, Operation);
  if (Operation = opRemove) and (AComponent = FDataSource) then
    FDataSource := nil;
end;

procedure TDBCheckBox.SetDataSource(Value: TDataSource);
begin
  FDataSource := Value;
  if Value <> nil then
    Value.FreeNotification(Self);
end;

function TDBCheckBox.GetField: TField;
begin
  Result := FieldOf(FDataSource, FDataField);
end;

{ TDBLookupControl }

constructor TDBLookupControl.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  TabStop := True;
end;

procedure TDBLookupControl.Notification(AComponent: TComponent; Operation: TOperation);
begin
  inherited Notification(AComponent, Operation);
  if Operation = opRemove then
  begin
    if AComponent = FDataSource then
      FDataSource := nil;
    if AComponent = FListSource then
      FListSource := nil;
  end;
end;

procedure TDBLookupControl.SetDataSource(Value: TDataSource);
begin
  FDataSource := Value;
  if Value <> nil then
    Value.FreeNotification(Self);
end;

procedure TDBLookupControl.SetListSource(Value: TDataSource);
begin
  FListSource := Value;
  if Value <> nil then
    Value.FreeNotification(Self);
end;

{ TDBLookupComboBox }

constructor TDBLookupComboBox.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FDropDownRows := 7;
end;

{ TDBNavigator }

constructor TDBNavigator.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FVisibleButtons := [nbFirst, nbPrior, nbNext, nbLast, nbInsert, nbDelete,
    nbEdit, nbPost, nbCancel, nbRefresh];
  FHints := TStringList.Create;
  FConfirmDelete := True;
end;

destructor TDBNavigator.Destroy;
begin
  FHints.Free;
  inherited Destroy;
end;

procedure TDBNavigator.Notification(AComponent: TComponent; Operation: TOperation);
begin
  inherited Notification(AComponent, Operation);
  if (Operation = opRemove) and (AComponent = FDataSource) then
    FDataSource := nil;
end;

procedure TDBNavigator.SetDataSource(Value: TDataSource);
begin
  FDataSource := Value;
  if Value <> nil then
    Value.FreeNotification(Self);
end;

procedure TDBNavigator.SetHints(Value: TStrings);
begin
  FHints.Assign(Value);
end;

procedure TDBNavigator.BtnClick(Index: TNavigateBtn);
begin
  if Assigned(FOnNavClick) then
    FOnNavClick(Self, Index);
end;

end.
