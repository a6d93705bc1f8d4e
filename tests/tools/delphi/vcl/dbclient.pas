{ Stand-in for Delphi 7's DBClient unit: TCustomRemoteServer,
  TConnectionBroker, TCustomClientDataSet, TClientDataSet and the
  aggregate collection. }
unit DBClient;

{$mode delphi}

interface

uses
  Windows, SysUtils, Variants, Classes, DB, Midas;

type
  TCustomClientDataSet = class;

  EDBClient = class(EDatabaseError)
  private
    FErrorCode: Integer;
  public
    property ErrorCode: Integer read FErrorCode;
  end;

  EReconcileError = class(EDBClient)
  private
    FContext: string;
    FPreviousError: Integer;
  public
    property Context: string read FContext;
    property PreviousError: Integer read FPreviousError;
  end;

  TReconcileAction = (raSkip, raAbort, raMerge, raCorrect, raCancel, raRefresh);
  TReconcileErrorEvent = procedure(DataSet: TCustomClientDataSet;
    E: EReconcileError; UpdateKind: TUpdateKind;
    var Action: TReconcileAction) of object;
  TRemoteEvent = procedure(Sender: TObject; var OwnerData: OleVariant) of object;
  TGetUsernameEvent = procedure(Sender: TObject; var Username: string) of object;

  TCustomRemoteServer = class(TCustomConnection)
  private
    FOnGetUsername: TGetUsernameEvent;
  protected
    function GetAppServer: Variant; virtual;
    property OnGetUsername: TGetUsernameEvent read FOnGetUsername write FOnGetUsername;
  public
    function GetServer: IAppServer; virtual;
    property AppServer: Variant read GetAppServer;
  end;

  TConnectionBroker = class(TCustomRemoteServer)
  private
    FConnection: TCustomRemoteServer;
    procedure SetConnection(Value: TCustomRemoteServer);
  protected
    procedure Notification(AComponent: TComponent; Operation: TOperation); override;
  public
    function GetServer: IAppServer; override;
  published
    property Connection: TCustomRemoteServer read FConnection write SetConnection;
    property Connected;
    property LoginPrompt;
    property AfterConnect;
    property AfterDisconnect;
    property BeforeConnect;
    property BeforeDisconnect;
    property OnGetUsername;
    property OnLogin;
  end;

  TAggregate = class(TCollectionItem)
  private
    FActive: Boolean;
    FAggregateName: string;
    FExpression: string;
    FGroupingLevel: Integer;
    FIndexName: string;
    FVisible: Boolean;
  public
    constructor Create(Collection: TCollection); override;
  published
    property Active: Boolean read FActive write FActive default False;
    property AggregateName: string read FAggregateName write FAggregateName;
    property Expression: string read FExpression write FExpression;
    property GroupingLevel: Integer read FGroupingLevel write FGroupingLevel default 0;
    property IndexName: string read FIndexName write FIndexName;
    property Visible: Boolean read FVisible write FVisible default True;
  end;

  TAggregates = class(TCollection)
  private
    FOwner: TPersistent;
  protected
    function GetOwner: TPersistent; override;
  public
    constructor Create(Owner: TPersistent);
  end;

  TCustomClientDataSet = class(TDataSet)
  private
    FAggregates: TAggregates;
    FAggregatesActive: Boolean;
    FCommandText: string;
    FConnectionBroker: TConnectionBroker;
    FConstraints: TCheckConstraints;
    FFetchOnDemand: Boolean;
    FFileName: string;
    FIndexDefs: TIndexDefs;
    FIndexFieldNames: string;
    FIndexName: string;
    FMasterFields: string;
    FMasterSource: TDataSource;
    FPacketRecords: Integer;
    FParams: TParams;
    FProviderName: string;
    FReadOnly: Boolean;
    FRemoteServer: TCustomRemoteServer;
    FStoreDefs: Boolean;
    FChangeCount: Integer;
    FOnReconcileError: TReconcileErrorEvent;
    FBeforeApplyUpdates: TRemoteEvent;
    FAfterApplyUpdates: TRemoteEvent;
    FBeforeGetRecords: TRemoteEvent;
    FAfterGetRecords: TRemoteEvent;
    FBeforeRowRequest: TRemoteEvent;
    FAfterRowRequest: TRemoteEvent;
    FBeforeExecute: TRemoteEvent;
    FAfterExecute: TRemoteEvent;
    FBeforeGetParams: TRemoteEvent;
    FAfterGetParams: TRemoteEvent;
    procedure SetAggregates(Value: TAggregates);
    procedure SetConnectionBroker(Value: TConnectionBroker);
    procedure SetConstraints(Value: TCheckConstraints);
    procedure SetIndexDefs(Value: TIndexDefs);
    procedure SetMasterSource(Value: TDataSource);
    procedure SetParams(Value: TParams);
    procedure SetRemoteServer(Value: TCustomRemoteServer);
  protected
    procedure Notification(AComponent: TComponent; Operation: TOperation); override;
    property Aggregates: TAggregates read FAggregates write SetAggregates;
    property AggregatesActive: Boolean read FAggregatesActive write FAggregatesActive default False;
    property CommandText: string read FCommandText write FCommandText;
    property ConnectionBroker: TConnectionBroker read FConnectionBroker write SetConnectionBroker;
    property Constraints: TCheckConstraints read FConstraints write SetConstraints;
    property FetchOnDemand: Boolean read FFetchOnDemand write FFetchOnDemand default True;
    property FileName: string read FFileName write FFileName;
    property IndexDefs: TIndexDefs read FIndexDefs write SetIndexDefs;
    property IndexFieldNames: string read FIndexFieldNames write FIndexFieldNames;
    property IndexName: string read FIndexName write FIndexName;
    property MasterFields: string read FMasterFields write FMasterFields;
    property MasterSource: TDataSource read FMasterSource write SetMasterSource;
    property PacketRecords: Integer read FPacketRecords write FPacketRecords default -1;
    property Params: TParams read FParams write SetParams;
    property ProviderName: string read FProviderName write FProviderName;
    property ReadOnly: Boolean read FReadOnly write FReadOnly default False;
    property RemoteServer: TCustomRemoteServer read FRemoteServer write SetRemoteServer;
    property StoreDefs: Boolean read FStoreDefs write FStoreDefs default False;
    property BeforeApplyUpdates: TRemoteEvent read FBeforeApplyUpdates write FBeforeApplyUpdates;
    property AfterApplyUpdates: TRemoteEvent read FAfterApplyUpdates write FAfterApplyUpdates;
    property BeforeGetRecords: TRemoteEvent read FBeforeGetRecords write FBeforeGetRecords;
    property AfterGetRecords: TRemoteEvent read FAfterGetRecords write FAfterGetRecords;
    property BeforeRowRequest: TRemoteEvent read FBeforeRowRequest write FBeforeRowRequest;
    property AfterRowRequest: TRemoteEvent read FAfterRowRequest write FAfterRowRequest;
    property BeforeExecute: TRemoteEvent read FBeforeExecute write FBeforeExecute;
    property AfterExecute: TRemoteEvent read FAfterExecute write FAfterExecute;
    property BeforeGetParams: TRemoteEvent read FBeforeGetParams write FBeforeGetParams;
    property AfterGetParams: TRemoteEvent read FAfterGetParams write FAfterGetParams;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    function ApplyUpdates(MaxErrors: Integer): Integer; virtual;
    procedure CancelUpdates;
    procedure Execute; virtual;
    procedure FetchParams;
    property ChangeCount: Integer read FChangeCount;
    property OnReconcileError: TReconcileErrorEvent read FOnReconcileError write FOnReconcileError;
  end;

  TClientDataSet = class(TCustomClientDataSet)
  published
    property Active;
    property Aggregates;
    property AggregatesActive;
    property AutoCalcFields;
    property CommandText;
    property ConnectionBroker;
    property Constraints;
    property DataSetField;
    property FetchOnDemand;
    property FieldDefs;
    property FileName;
    property Filter;
    property Filtered;
    property FilterOptions;
    property IndexDefs;
    property IndexFieldNames;
    property IndexName;
    property MasterFields;
    property MasterSource;
    property ObjectView default True;
    property PacketRecords;
    property Params;
    property ProviderName;
    property ReadOnly;
    property RemoteServer;
    property StoreDefs;
    property BeforeOpen;
    property AfterOpen;
    property BeforeClose;
    property AfterClose;
    property BeforeInsert;
    property AfterInsert;
    property BeforeEdit;
    property AfterEdit;
    property BeforePost;
    property AfterPost;
    property BeforeCancel;
    property AfterCancel;
    property BeforeDelete;
    property AfterDelete;
    property BeforeScroll;
    property AfterScroll;
    property BeforeRefresh;
    property AfterRefresh;
    property OnCalcFields;
    property OnDeleteError;
    property OnEditError;
    property OnFilterRecord;
    property OnNewRecord;
    property OnPostError;
    property OnReconcileError;
    property BeforeApplyUpdates;
    property AfterApplyUpdates;
    property BeforeGetRecords;
    property AfterGetRecords;
    property BeforeRowRequest;
    property AfterRowRequest;
    property BeforeExecute;
    property AfterExecute;
    property BeforeGetParams;
    property AfterGetParams;
  end;

implementation

{ TCustomRemoteServer }

function TCustomRemoteServer.GetAppServer: Variant;
begin
  Result := Null;
end;

function TCustomRemoteServer.GetServer: IAppServer;
begin
  Result := nil;
end;

{ TConnectionBroker }

procedure TConnectionBroker.Notification(AComponent: TComponent; Operation: TOperation);
begin
  inherited Notification(AComponent, Operation);
  if (Operation = opRemove) and (AComponent = FConnection) then
    FConnection := nil;
end;

procedure TConnectionBroker.SetConnection(Value: TCustomRemoteServer);
begin
  FConnection := Value;
  if Value <> nil then
    Value.FreeNotification(Self);
end;

function TConnectionBroker.GetServer: IAppServer;
begin
  if FConnection <> nil then
    Result := FConnection.GetServer
  else
    Result := nil;
end;

{ TAggregate }

constructor TAggregate.Create(Collection: TCollection);
begin
  inherited Create(Collection);
  FVisible := True;
end;

{ TAggregates }

constructor TAggregates.Create(Owner: TPersistent);
begin
  inherited Create(TAggregate);
  FOwner := Owner;
end;

function TAggregates.GetOwner: TPersistent;
begin
  Result := FOwner;
end;

{ TCustomClientDataSet }

constructor TCustomClientDataSet.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FAggregates := TAggregates.Create(Self);
  FConstraints := TCheckConstraints.Create(Self);
  FIndexDefs := TIndexDefs.Create(Self);
  FParams := TParams.Create(Self);
  FFetchOnDemand := True;
  FPacketRecords := -1;
  ObjectView := True;
end;

destructor TCustomClientDataSet.Destroy;
begin
  FAggregates.Free;
  FConstraints.Free;
  FIndexDefs.Free;
  FParams.Free;
  inherited Destroy;
end;

procedure TCustomClientDataSet.Notification(AComponent: TComponent; Operation: TOperation);
begin
  inherited Notification(AComponent, Operation);
  if Operation = opRemove then
  begin
    if AComponent = FConnectionBroker then
      FConnectionBroker := nil;
    if AComponent = FRemoteServer then
      FRemoteServer := nil;
    if AComponent = FMasterSource then
      FMasterSource := nil;
  end;
end;

procedure TCustomClientDataSet.SetAggregates(Value: TAggregates);
begin
  FAggregates.Assign(Value);
end;

procedure TCustomClientDataSet.SetConnectionBroker(Value: TConnectionBroker);
begin
  FConnectionBroker := Value;
  if Value <> nil then
    Value.FreeNotification(Self);
end;

procedure TCustomClientDataSet.SetConstraints(Value: TCheckConstraints);
begin
  FConstraints.Assign(Value);
end;

procedure TCustomClientDataSet.SetIndexDefs(Value: TIndexDefs);
begin
  FIndexDefs.Assign(Value);
end;

procedure TCustomClientDataSet.SetMasterSource(Value: TDataSource);
begin
  FMasterSource := Value;
  if Value <> nil then
    Value.FreeNotification(Self);
end;

procedure TCustomClientDataSet.SetParams(Value: TParams);
begin
  FParams.Assign(Value);
end;

procedure TCustomClientDataSet.SetRemoteServer(Value: TCustomRemoteServer);
begin
  FRemoteServer := Value;
  if Value <> nil then
    Value.FreeNotification(Self);
end;

function TCustomClientDataSet.ApplyUpdates(MaxErrors: Integer): Integer;
begin
  Result := 0;
  FChangeCount := 0;
end;

procedure TCustomClientDataSet.CancelUpdates;
begin
  FChangeCount := 0;
end;

procedure TCustomClientDataSet.Execute;
begin
end;

procedure TCustomClientDataSet.FetchParams;
begin
end;

end.
