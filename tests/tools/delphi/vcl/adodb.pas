{ Stand-in for Delphi 7's ADODB unit: TADOConnection, TParameters,
  TADOQuery, TADODataSet and TADOTable.

  The events that only ADO has (OnWillConnect, OnInfoMessage, OnWillChangeField,
  OnFetchProgress and the rest) are left out: their parameter types come
  from the ADO type library, which this library does not reproduce, and the
  generated projects use none of them.  TADODataSet leaves out
  DataSetField, FieldDefs and StoreDefs; TADOCommand and TADOStoredProc are
  left out. }
unit ADODB;

{$mode delphi}

interface

uses
  Windows, SysUtils, Variants, Classes, DB;

type
  TXactAttribute = (xaCommitRetaining, xaAbortRetaining);
  TXactAttributes = set of TXactAttribute;
  TConnectOption = (coConnectUnspecified, coAsyncConnect);
  TCursorLocation = (clUseServer, clUseClient);
  TIsolationLevel = (ilUnspecified, ilChaos, ilReadUncommitted, ilBrowse,
    ilCursorStability, ilReadCommitted, ilRepeatableRead, ilSerializable,
    ilIsolated);
  TConnectMode = (cmUnknown, cmRead, cmWrite, cmReadWrite, cmShareDenyRead,
    cmShareDenyWrite, cmShareExclusive, cmShareDenyNone);
  TCursorType = (ctUnspecified, ctOpenForwardOnly, ctKeyset, ctDynamic,
    ctStatic);
  TADOLockType = (ltUnspecified, ltReadOnly, ltPessimistic, ltOptimistic,
    ltBatchOptimistic);
  TExecuteOption = (eoAsyncExecute, eoAsyncFetch, eoAsyncFetchNonBlocking,
    eoExecuteNoRecords);
  TExecuteOptions = set of TExecuteOption;
  TMarshalOption = (moMarshalAll, moMarshalModifiedOnly);
  TParameterAttribute = (paSigned, paNullable, paLong);
  TParameterAttributes = set of TParameterAttribute;
  TParameterDirection = (pdUnknown, pdInput, pdOutput, pdInputOutput,
    pdReturnValue);
  TCommandType = (cmdUnknown, cmdText, cmdTable, cmdStoredProc, cmdFile,
    cmdTableDirect);

  TADOConnection = class(TCustomConnection)
  private
    FAttributes: TXactAttributes;
    FCommandTimeout: Integer;
    FConnectionString: WideString;
    FConnectionTimeout: Integer;
    FConnectOptions: TConnectOption;
    FCursorLocation: TCursorLocation;
    FDefaultDatabase: WideString;
    FIsolationLevel: TIsolationLevel;
    FKeepConnection: Boolean;
    FMode: TConnectMode;
    FProvider: WideString;
  public
    constructor Create(AOwner: TComponent); override;
    procedure BeginTrans;
    procedure CommitTrans;
    procedure RollbackTrans;
    function InTransaction: Boolean;
  published
    property Attributes: TXactAttributes read FAttributes write FAttributes default [];
    property CommandTimeout: Integer read FCommandTimeout write FCommandTimeout default 30;
    property Connected;
    property ConnectionString: WideString read FConnectionString write FConnectionString;
    property ConnectionTimeout: Integer read FConnectionTimeout write FConnectionTimeout default 15;
    property ConnectOptions: TConnectOption read FConnectOptions write FConnectOptions default coConnectUnspecified;
    property CursorLocation: TCursorLocation read FCursorLocation write FCursorLocation default clUseClient;
    property DefaultDatabase: WideString read FDefaultDatabase write FDefaultDatabase;
    property IsolationLevel: TIsolationLevel read FIsolationLevel write FIsolationLevel default ilCursorStability;
    property KeepConnection: Boolean read FKeepConnection write FKeepConnection default True;
    property LoginPrompt default True;
    property Mode: TConnectMode read FMode write FMode default cmUnknown;
    property Provider: WideString read FProvider write FProvider;
    property AfterConnect;
    property BeforeConnect;
    property AfterDisconnect;
    property BeforeDisconnect;
    property OnLogin;
  end;

  TParameter = class(TCollectionItem)
  private
    FAttributes: TParameterAttributes;
    FDataType: TFieldType;
    FDirection: TParameterDirection;
    FName: WideString;
    FNumericScale: Byte;
    FPrecision: Byte;
    FSize: Integer;
    FValue: OleVariant;
  protected
    function GetDisplayName: string; override;
  published
    property Attributes: TParameterAttributes read FAttributes write FAttributes;
    property DataType: TFieldType read FDataType write FDataType default ftUnknown;
    property Direction: TParameterDirection read FDirection write FDirection default pdInput;
    property Name: WideString read FName write FName;
    property NumericScale: Byte read FNumericScale write FNumericScale default 0;
    property Precision: Byte read FPrecision write FPrecision default 0;
    property Size: Integer read FSize write FSize default 0;
    property Value: OleVariant read FValue write FValue;
  end;

  TParameters = class(TOwnedCollection)
  private
    function GetItem(Index: Integer): TParameter;
  public
    function ParamByName(const Value: WideString): TParameter;
    function FindParam(const Value: WideString): TParameter;
    property Items[Index: Integer]: TParameter read GetItem; default;
  end;

  TCustomADODataSet = class(TDataSet)
  private
    FCacheSize: Integer;
    FCommandTimeout: Integer;
    FConnection: TADOConnection;
    FConnectionString: WideString;
    FCursorLocation: TCursorLocation;
    FCursorType: TCursorType;
    FDataSource: TDataSource;
    FEnableBCD: Boolean;
    FExecuteOptions: TExecuteOptions;
    FLockType: TADOLockType;
    FMarshalOptions: TMarshalOption;
    FMaxRecords: Integer;
    FParamCheck: Boolean;
    FParameters: TParameters;
    FPrepared: Boolean;
    procedure SetConnection(Value: TADOConnection);
    procedure SetDataSource(Value: TDataSource);
    procedure SetParameters(Value: TParameters);
  protected
    procedure Notification(AComponent: TComponent; Operation: TOperation); override;
    property CacheSize: Integer read FCacheSize write FCacheSize default 1;
    property CommandTimeout: Integer read FCommandTimeout write FCommandTimeout default 30;
    property ConnectionString: WideString read FConnectionString write FConnectionString;
    property CursorLocation: TCursorLocation read FCursorLocation write FCursorLocation default clUseClient;
    property CursorType: TCursorType read FCursorType write FCursorType default ctKeyset;
    property DataSource: TDataSource read FDataSource write SetDataSource;
    property EnableBCD: Boolean read FEnableBCD write FEnableBCD default True;
    property ExecuteOptions: TExecuteOptions read FExecuteOptions write FExecuteOptions default [];
    property LockType: TADOLockType read FLockType write FLockType default ltOptimistic;
    property MarshalOptions: TMarshalOption read FMarshalOptions write FMarshalOptions default moMarshalAll;
    property MaxRecords: Integer read FMaxRecords write FMaxRecords default 0;
    property ParamCheck: Boolean read FParamCheck write FParamCheck default True;
    property Parameters: TParameters read FParameters write SetParameters;
    property Prepared: Boolean read FPrepared write FPrepared default False;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    property Connection: TADOConnection read FConnection write SetConnection;
  end;

  TADOQuery = class(TCustomADODataSet)
  private
    FSQL: TStrings;
    FRowsAffected: Integer;
    procedure SetSQL(Value: TStrings);
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    function ExecSQL: Integer;
    property RowsAffected: Integer read FRowsAffected;
  published
    property Active;
    property AutoCalcFields;
    property CacheSize;
    property CommandTimeout;
    property Connection;
    property ConnectionString;
    property CursorLocation;
    property CursorType;
    property DataSource;
    property EnableBCD;
    property ExecuteOptions;
    property Filter;
    property Filtered;
    property LockType;
    property MarshalOptions;
    property MaxRecords;
    property ParamCheck;
    property Parameters;
    property Prepared;
    property SQL: TStrings read FSQL write SetSQL;
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
  end;

  TADODataSet = class(TCustomADODataSet)
  private
    FCommandText: WideString;
    FCommandType: TCommandType;
    FIndexFieldNames: string;
    FIndexName: string;
    FMasterFields: string;
  public
    constructor Create(AOwner: TComponent); override;
  published
    property Active;
    property AutoCalcFields;
    property CacheSize;
    property CommandText: WideString read FCommandText write FCommandText;
    property CommandTimeout;
    property CommandType: TCommandType read FCommandType write FCommandType default cmdText;
    property Connection;
    property ConnectionString;
    property CursorLocation;
    property CursorType;
    property DataSource;
    property EnableBCD;
    property ExecuteOptions;
    property Filter;
    property Filtered;
    property IndexFieldNames: string read FIndexFieldNames write FIndexFieldNames;
    property IndexName: string read FIndexName write FIndexName;
    property LockType;
    property MarshalOptions;
    property MasterFields: string read FMasterFields write FMasterFields;
    property MaxRecords;
    property ParamCheck;
    property Parameters;
    property Prepared;
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
  end;

  TADOTable = class(TCustomADODataSet)
  private
    FIndexFieldNames: string;
    FIndexName: string;
    FMasterFields: string;
    FReadOnly: Boolean;
    FTableDirect: Boolean;
    FTableName: WideString;
    function GetMasterSource: TDataSource;
    procedure SetMasterSource(Value: TDataSource);
  published
    property Active;
    property AutoCalcFields;
    property CacheSize;
    property CommandTimeout;
    property Connection;
    property ConnectionString;
    property CursorLocation;
    property CursorType;
    property EnableBCD;
    property ExecuteOptions;
    property Filter;
    property Filtered;
    property IndexFieldNames: string read FIndexFieldNames write FIndexFieldNames;
    property IndexName: string read FIndexName write FIndexName;
    property LockType;
    property MarshalOptions;
    property MasterFields: string read FMasterFields write FMasterFields;
    property MasterSource: TDataSource read GetMasterSource write SetMasterSource;
    property MaxRecords;
    property ReadOnly: Boolean read FReadOnly write FReadOnly default False;
    property TableDirect: Boolean read FTableDirect write FTableDirect default False;
    property TableName: WideString read FTableName write FTableName;
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
  end;

implementation

{ TADOConnection }

constructor TADOConnection.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FCommandTimeout := 30;
  FConnectionTimeout := 15;
  FCursorLocation := clUseClient;
  FIsolationLevel := ilCursorStability;
  FKeepConnection := True;
  LoginPrompt := True;
end;

procedure TADOConnection.BeginTrans;
begin
end;

procedure TADOConnection.CommitTrans;
begin
end;

procedure TADOConnection.RollbackTrans;
begin
end;

function TADOConnection.InTransaction: Boolean;
begin
  Result := False;
end;

{ TParameter }

function TParameter.GetDisplayName: string;
begin
  Result := string(FName);
end;

{ TParameters }

function TParameters.GetItem(Index: Integer): TParameter;
begin
  Result := TParameter(inherited Items[Index]);
end;

function TParameters.FindParam(const Value: WideString): TParameter;
var
  I: Integer;
begin
  for I := 0 to Count - 1 do
  begin
    Result := Items[I];
    if WideSameText(Result.Name, Value) then
      Exit;
  end;
  Result := nil;
end;

function TParameters.ParamByName(const Value: WideString): TParameter;
begin
  Result := FindParam(Value);
  if Result = nil then
    DatabaseErrorFmt('Parameter ''%s'' not found', [string(Value)]);
end;

{ TCustomADODataSet }

constructor TCustomADODataSet.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FParameters := TParameters.Create(Self, TParameter);
  FCacheSize := 1;
  FCommandTimeout := 30;
  FCursorLocation := clUseClient;
  FCursorType := ctKeyset;
  FEnableBCD := True;
  FLockType := ltOptimistic;
  FParamCheck := True;
end;

destructor TCustomADODataSet.Destroy;
begin
  FParameters.Free;
  inherited Destroy;
end;

procedure TCustomADODataSet.Notification(AComponent: TComponent; Operation: TOperation);
begin
  inherited Notification(AComponent, Operation);
  if Operation = opRemove then
  begin
    if AComponent = FConnection then
      FConnection := nil;
    if AComponent = FDataSource then
      FDataSource := nil;
  end;
end;

procedure TCustomADODataSet.SetConnection(Value: TADOConnection);
begin
  FConnection := Value;
  if Value <> nil then
    Value.FreeNotification(Self);
end;

procedure TCustomADODataSet.SetDataSource(Value: TDataSource);
begin
  FDataSource := Value;
  if Value <> nil then
    Value.FreeNotification(Self);
end;

procedure TCustomADODataSet.SetParameters(Value: TParameters);
begin
  FParameters.Assign(Value);
end;

{ TADOQuery }

constructor TADOQuery.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FSQL := TStringList.Create;
end;

destructor TADOQuery.Destroy;
begin
  FSQL.Free;
  inherited Destroy;
end;

procedure TADOQuery.SetSQL(Value: TStrings);
begin
  FSQL.Assign(Value);
end;

function TADOQuery.ExecSQL: Integer;
begin
  FRowsAffected := 0;
  Result := 0;
end;

{ TADODataSet }

constructor TADODataSet.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FCommandType := cmdText;
end;

{ TADOTable }

{ The master of a table is its DataSource, under the name the other table
  components give it. }
function TADOTable.GetMasterSource: TDataSource;
begin
  Result := DataSource;
end;

procedure TADOTable.SetMasterSource(Value: TDataSource);
begin
  DataSource := Value;
end;

end.
