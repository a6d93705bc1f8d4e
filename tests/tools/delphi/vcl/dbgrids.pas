{ Stand-in for Delphi 7's DBGrids unit: TDBGrid with its Columns collection
  (TDBGridColumns of TColumn, each with a TColumnTitle). }
unit DBGrids;

{$mode delphi}

interface

uses
  Windows, Messages, Types, SysUtils, Classes, Graphics, Menus, Controls,
  Forms, StdCtrls, Grids, DB;

type
  TColumnButtonStyle = (cbsAuto, cbsEllipsis, cbsNone);
  TDBGridOption = (dgEditing, dgAlwaysShowEditor, dgTitles, dgIndicator,
    dgColumnResize, dgColLines, dgRowLines, dgTabs, dgRowSelect,
    dgAlwaysShowSelection, dgConfirmDelete, dgCancelOnExit, dgMultiSelect);
  TDBGridOptions = set of TDBGridOption;
  TDBGridColumnsState = (csDefault, csCustomized);

  TColumn = class;
  TCustomDBGrid = class;

  TColumnTitle = class(TPersistent)
  private
    FColumn: TColumn;
    FAlignment: TAlignment;
    FCaption: string;
    FColor: TColor;
    FFont: TFont;
    procedure SetFont(Value: TFont);
    function GetCaption: string;
  protected
    function GetOwner: TPersistent; override;
  public
    constructor Create(Column: TColumn);
    destructor Destroy; override;
    procedure Assign(Source: TPersistent); override;
    property Column: TColumn read FColumn;
  published
    property Alignment: TAlignment read FAlignment write FAlignment;
    property Caption: string read GetCaption write FCaption;
    property Color: TColor read FColor write FColor;
    property Font: TFont read FFont write SetFont;
  end;

  TColumn = class(TCollectionItem)
  private
    FAlignment: TAlignment;
    FButtonStyle: TColumnButtonStyle;
    FColor: TColor;
    FDropDownRows: Cardinal;
    FExpanded: Boolean;
    FFieldName: string;
    FFont: TFont;
    FImeMode: TImeMode;
    FImeName: TImeName;
    FPickList: TStrings;
    FPopupMenu: TPopupMenu;
    FReadOnly: Boolean;
    FTitle: TColumnTitle;
    FWidth: Integer;
    FVisible: Boolean;
    procedure SetFont(Value: TFont);
    procedure SetPickList(Value: TStrings);
    procedure SetTitle(Value: TColumnTitle);
    function GetField: TField;
    function GetGrid: TCustomDBGrid;
  protected
    function GetDisplayName: string; override;
  public
    constructor Create(Collection: TCollection); override;
    destructor Destroy; override;
    property Field: TField read GetField;
    property Grid: TCustomDBGrid read GetGrid;
  published
    property Alignment: TAlignment read FAlignment write FAlignment;
    property ButtonStyle: TColumnButtonStyle read FButtonStyle write FButtonStyle default cbsAuto;
    property Color: TColor read FColor write FColor;
    property DropDownRows: Cardinal read FDropDownRows write FDropDownRows default 7;
    property Expanded: Boolean read FExpanded write FExpanded default True;
    property FieldName: string read FFieldName write FFieldName;
    property Font: TFont read FFont write SetFont;
    property ImeMode: TImeMode read FImeMode write FImeMode default imDontCare;
    property ImeName: TImeName read FImeName write FImeName;
    property PickList: TStrings read FPickList write SetPickList;
    property PopupMenu: TPopupMenu read FPopupMenu write FPopupMenu;
    property ReadOnly: Boolean read FReadOnly write FReadOnly;
    property Title: TColumnTitle read FTitle write SetTitle;
    property Width: Integer read FWidth write FWidth;
    property Visible: Boolean read FVisible write FVisible;
  end;

  TColumnClass = class of TColumn;

  TDBGridColumns = class(TCollection)
  private
    FGrid: TCustomDBGrid;
    function GetColumn(Index: Integer): TColumn;
    function GetState: TDBGridColumnsState;
  protected
    function GetOwner: TPersistent; override;
  public
    constructor Create(Grid: TCustomDBGrid; ColumnClass: TColumnClass);
    function Add: TColumn;
    property State: TDBGridColumnsState read GetState;
    property Grid: TCustomDBGrid read FGrid;
    property Items[Index: Integer]: TColumn read GetColumn; default;
  end;

  TDrawDataCellEvent = procedure(Sender: TObject; const Rect: TRect;
    Field: TField; State: TGridDrawState) of object;
  TDrawColumnCellEvent = procedure(Sender: TObject; const Rect: TRect;
    DataCol: Integer; Column: TColumn; State: TGridDrawState) of object;
  TDBGridClickEvent = procedure(Column: TColumn) of object;
  TMovedEvent = procedure(Sender: TObject; FromIndex, ToIndex: Longint) of object;

  TCustomDBGrid = class(TCustomGrid)
  private
    FColumns: TDBGridColumns;
    FDataSource: TDataSource;
    FOptions: TDBGridOptions;
    FReadOnly: Boolean;
    FTitleFont: TFont;
    FOnCellClick: TDBGridClickEvent;
    FOnColEnter: TNotifyEvent;
    FOnColExit: TNotifyEvent;
    FOnColumnMoved: TMovedEvent;
    FOnDrawDataCell: TDrawDataCellEvent;
    FOnDrawColumnCell: TDrawColumnCellEvent;
    FOnEditButtonClick: TNotifyEvent;
    FOnTitleClick: TDBGridClickEvent;
    procedure SetColumns(Value: TDBGridColumns);
    procedure SetDataSource(Value: TDataSource);
    procedure SetTitleFont(Value: TFont);
  protected
    procedure Notification(AComponent: TComponent; Operation: TOperation); override;
    property Columns: TDBGridColumns read FColumns write SetColumns;
    property Options: TDBGridOptions read FOptions write FOptions
      default [dgEditing, dgTitles, dgIndicator, dgColumnResize, dgColLines,
        dgRowLines, dgTabs, dgConfirmDelete, dgCancelOnExit];
    property ReadOnly: Boolean read FReadOnly write FReadOnly default False;
    property TitleFont: TFont read FTitleFont write SetTitleFont;
    property OnCellClick: TDBGridClickEvent read FOnCellClick write FOnCellClick;
    property OnColEnter: TNotifyEvent read FOnColEnter write FOnColEnter;
    property OnColExit: TNotifyEvent read FOnColExit write FOnColExit;
    property OnColumnMoved: TMovedEvent read FOnColumnMoved write FOnColumnMoved;
    property OnDrawDataCell: TDrawDataCellEvent read FOnDrawDataCell write FOnDrawDataCell;
    property OnDrawColumnCell: TDrawColumnCellEvent read FOnDrawColumnCell write FOnDrawColumnCell;
    property OnEditButtonClick: TNotifyEvent read FOnEditButtonClick write FOnEditButtonClick;
    property OnTitleClick: TDBGridClickEvent read FOnTitleClick write FOnTitleClick;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    property DataSource: TDataSource read FDataSource write SetDataSource;
  end;

  TDBGrid = class(TCustomDBGrid)
  published
    property Align;
    property Anchors;
    property BiDiMode;
    property BorderStyle;
    property Color;
    property Columns stored False;
    property Constraints;
    property Ctl3D;
    property DataSource;
    property DefaultDrawing;
    property DragCursor;
    property DragKind;
    property DragMode;
    property Enabled;
    property FixedColor;
    property Font;
    property ImeMode;
    property ImeName;
    property Options;
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
    property TitleFont;
    property Visible;
    property OnCellClick;
    property OnColEnter;
    property OnColExit;
    property OnColumnMoved;
    property OnDrawDataCell;
    property OnDrawColumnCell;
    property OnDblClick;
    property OnDragDrop;
    property OnDragOver;
    property OnEditButtonClick;
    property OnEndDock;
    property OnEndDrag;
    property OnEnter;
    property OnExit;
    property OnKeyDown;
    property OnKeyPress;
    property OnKeyUp;
    property OnStartDock;
    property OnStartDrag;
    property OnTitleClick;
  end;

implementation

{ TColumnTitle }

constructor TColumnTitle.Create(Column: TColumn);
begin
  inherited Create;
  FColumn := Column;
  FFont := TFont.Create;
  FColor := clBtnFace;
end;

destructor TColumnTitle.Destroy;
begin
  FFont.Free;
  inherited Destroy;
end;

function TColumnTitle.GetOwner: TPersistent;
begin
  Result := FColumn;
end;

procedure TColumnTitle.Assign(Source: TPersistent);
begin
  if Source is TColumnTitle then
  begin
    FAlignment := TColumnTitle(Source).FAlignment;
    FCaption := TColumnTitle(Source).FCaption;
    FColor := TColumnTitle(Source).FColor;
    FFont.Assign(TColumnTitle(Source).FFont);
  end
  else
    inherited Assign(Source);
end;

procedure TColumnTitle.SetFont(Value: TFont);
begin
  FFont.Assign(Value);
end;

function TColumnTitle.GetCaption: string;
begin
  if FCaption <> '' then
    Result := FCaption
  else
    Result := FColumn.FieldName;
end;

{ TColumn }

constructor TColumn.Create(Collection: TCollection);
begin
  inherited Create(Collection);
  FFont := TFont.Create;
  FPickList := TStringList.Create;
  FTitle := TColumnTitle.Create(Self);
  FDropDownRows := 7;
  FExpanded := True;
  FVisible := True;
  FImeMode := imDontCare;
  FColor := clWindow;
  FWidth := 64;
end;

destructor TColumn.Destroy;
begin
  FTitle.Free;
  FPickList.Free;
  FFont.Free;
  inherited Destroy;
end;

function TColumn.GetDisplayName: string;
begin
  Result := FFieldName;
  if Result = '' then
    Result := inherited GetDisplayName;
end;

procedure TColumn.SetFont(Value: TFont);
begin
  FFont.Assign(Value);
end;

procedure TColumn.SetPickList(Value: TStrings);
begin
  FPickList.Assign(Value);
end;

procedure TColumn.SetTitle(Value: TColumnTitle);
begin
  FTitle.Assign(Value);
end;

function TColumn.GetGrid: TCustomDBGrid;
begin
  if Collection is TDBGridColumns then
    Result := TDBGridColumns(Collection).Grid
  else
    Result := nil;
end;

function TColumn.GetField: TField;
var
  G: TCustomDBGrid;
begin
  Result := nil;
  G := GetGrid;
  if (G <> nil) and (G.DataSource <> nil) and (G.DataSource.DataSet <> nil) then
    Result := G.DataSource.DataSet.FindField(FFieldName);
end;

{ TDBGridColumns }

constructor TDBGridColumns.Create(Grid: TCustomDBGrid; ColumnClass: TColumnClass);
begin
  inherited Create(ColumnClass);
  FGrid := Grid;
end;

function TDBGridColumns.Add: TColumn;
begin
  Result := TColumn(inherited Add);
end;

function TDBGridColumns.GetColumn(Index: Integer): TColumn;
begin
  Result := TColumn(inherited Items[Index]);
end;

function TDBGridColumns.GetOwner: TPersistent;
begin
  Result := FGrid;
end;

function TDBGridColumns.GetState: TDBGridColumnsState;
begin
  if Count > 0 then
    Result := csCustomized
  else
    Result := csDefault;
end;

{ TCustomDBGrid }

constructor TCustomDBGrid.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FColumns := TDBGridColumns.Create(Self, TColumn);
  FTitleFont := TFont.Create;
  FOptions := [dgEditing, dgTitles, dgIndicator, dgColumnResize, dgColLines,
    dgRowLines, dgTabs, dgConfirmDelete, dgCancelOnExit];
end;

destructor TCustomDBGrid.Destroy;
begin
  FColumns.Free;
  FTitleFont.Free;
  inherited Destroy;
end;

procedure TCustomDBGrid.Notification(AComponent: TComponent; Operation: TOperation);
begin
  inherited Notification(AComponent, Operation);
  if (Operation = opRemove) and (AComponent = FDataSource) then
    FDataSource := nil;
end;

procedure TCustomDBGrid.SetColumns(Value: TDBGridColumns);
begin
  FColumns.Assign(Value);
end;

procedure TCustomDBGrid.SetDataSource(Value: TDataSource);
begin
  FDataSource := Value;
  if Value <> nil then
    Value.FreeNotification(Self);
end;

procedure TCustomDBGrid.SetTitleFont(Value: TFont);
begin
  FTitleFont.Assign(Value);
end;

end.
