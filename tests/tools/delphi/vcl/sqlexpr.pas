{ Stand-in for Delphi 7's SqlExpr unit (dbExpress): TSQLConnection,
  TSQLDataSet, TSQLQuery and TSQLTable.  TSQLStoredProc and TSQLMonitor are
  not used by the generated projects and are left out. }
unit SqlExpr;

{$mode delphi}

interface

uses
  Windows, SysUtils, Variants, Classes, DB, DBXpress;

type
  TSQLCommandType = (ctQuery, ctTable, ctStoredProc);
  TTableScope = (tsSynonym, tsSysTable, tsTable, tsView);
  TTableScopes = set of TTableScope;

  TSQLConnection = class;

  TSQLConnectionLoginEvent = procedure(Database: TSQLConnection;
    LoginParams: TStrings) of object;

  TSQLConnection = class(TCustomConnection)
  private
    FConnectionName: string;
    FDriverName: string;
    FGetDriverFunc: string;
    FKeepConnection: Boolean;
    FLibraryName: string;
    FLoadParamsOnConnect: Boolean;
    FParams: TStrings;
    FTableScope: TTableScopes;
    FVendorLib: string;
    FOnLogin: TSQLConnectionLoginEvent;
    procedure SetParams(Value: TStrings);
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    procedure StartTransaction(TransDesc: TTransactionDesc);
    procedure Commit(TransDesc: TTransactionDesc);
    procedure Rollback(TransDesc: TTransactionDesc);
  published
    property Connected;
    property ConnectionName: string read FConnectionName write FConnectionName;
    property DriverName: string read FDriverName write FDriverName;
    property GetDriverFunc: string read FGetDriverFunc write FGetDriverFunc;
    property KeepConnection: Boolean read FKeepConnection write FKeepConnection default True;
    property LibraryName: string read FLibraryName write FLibraryName;
    property LoadParamsOnConnect: Boolean read FLoadParamsOnConnect write FLoadParamsOnConnect default False;
    property LoginPrompt default True;
    property Params: TStrings read FParams write SetParams;
    property TableScope: TTableScopes read FTableScope write FTableScope default [tsTable, tsView];
    property VendorLib: string read FVendorLib write FVendorLib;
    property AfterConnect;
    property AfterDisconnect;
    property BeforeConnect;
    property BeforeDisconnect;
    property OnLogin: TSQLConnectionLoginEvent read FOnLogin write FOnLogin;
  end;

  TCustomSQLDataSet = class(TDataSet)
  private
    FCommandText: string;
    FCommandType: TSQLCommandType;
    FDataSource: TDataSource;
    FMaxBlobSize: Integer;
    FParamCheck: Boolean;
    FParams: TParams;
    FSortFieldNames: string;
    FSQLConnection: TSQLConnection;
    procedure SetDataSource(Value: TDataSource);
    procedure SetParams(Value: TParams);
    procedure SetSQLConnection(Value: TSQLConnection);
  protected
    procedure Notification(AComponent: TComponent; Operation: TOperation); override;
    property CommandText: string read FCommandText write FCommandText;
    property CommandType: TSQLCommandType read FCommandType write FCommandType default ctQuery;
    property DataSource: TDataSource read FDataSource write SetDataSource;
    property MaxBlobSize: Integer read FMaxBlobSize write FMaxBlobSize default 0;
    property ParamCheck: Boolean read FParamCheck write FParamCheck default True;
    property Params: TParams read FParams write SetParams;
    property SortFieldNames: string read FSortFieldNames write FSortFieldNames;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    function ExecSQL(ExecDirect: Boolean = False): Integer; virtual;
    property SQLConnection: TSQLConnection read FSQLConnection write SetSQLConnection;
  end;

  TSQLDataSet = class(TCustomSQLDataSet)
  published
    property Active;
    property CommandText;
    property CommandType;
    property DataSource;
    property MaxBlobSize;
    property ParamCheck;
    property Params;
    property SortFieldNames;
    property SQLConnection;
    property BeforeOpen;
    property AfterOpen;
    property BeforeClose;
    property AfterClose;
    property BeforeScroll;
    property AfterScroll;
    property BeforeRefresh;
    property AfterRefresh;
    property OnCalcFields;
  end;

  TSQLQuery = class(TCustomSQLDataSet)
  private
    FSQL: TStrings;
    procedure SetSQL(Value: TStrings);
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
  published
    property Active;
    property DataSource;
    property MaxBlobSize;
    property ParamCheck;
    property Params;
    property SQL: TStrings read FSQL write SetSQL;
    property SQLConnection;
    property BeforeOpen;
    property AfterOpen;
    property BeforeClose;
    property AfterClose;
    property BeforeScroll;
    property AfterScroll;
    property BeforeRefresh;
    property AfterRefresh;
    property OnCalcFields;
  end;

  TSQLTable = class(TCustomSQLDataSet)
  private
    FIndexFieldNames: string;
    FIndexName: string;
    FMasterFields: string;
    FMasterSource: TDataSource;
    FTableName: string;
    procedure SetMasterSource(Value: TDataSource);
  protected
    procedure Notification(AComponent: TComponent; Operation: TOperation); override;
  published
    property Active;
    property IndexFieldNames: string read FIndexFieldNames write FIndexFieldNames;
    property IndexName: string read FIndexName write FIndexName;
    property MasterFields: string read FMasterFields write FMasterFields;
    property MasterSource: TDataSource read FMasterSource write SetMasterSource;
    property MaxBlobSize;
    property SQLConnection;
    property TableName: string read FTableName write FTableName;
    property BeforeOpen;
    property AfterOpen;
    property BeforeClose;
    property AfterClose;
    property BeforeScroll;
    property AfterScroll;
    property BeforeRefresh;
    property AfterRefresh;
    property OnCalcFields;
  end;

implementation

{ TSQLConnection }

constructor TSQLConnection.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FParams := TStringList.Create;
  FKeepConnection := True;
  FTableScope := [tsTable, tsView];
  LoginPrompt := True;
end;

destructor TSQLConnection.Destroy;
begin
  FParams.Free;
  inherited Destroy;
end;

procedure TSQLConnection.SetParams(Value: TStrings);
begin
  FParams.Assign(Value);
end;

procedure TSQLConnection.StartTransaction(TransDesc: TTransactionDesc);
begin
end;

procedure TSQLConnection.Commit(TransDesc: TTransactionDesc);
begin
end;

procedure TSQLConnection.Rollback(TransDesc: TTransactionDesc);
begin
end;

{ TCustomSQLDataSet }

constructor TCustomSQLDataSet.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FParams := TParams.Create(Self);
  FParamCheck := True;
end;

destructor TCustomSQLDataSet.Destroy;
begin
  FParams.Free;
  inherited Destroy;
end;

procedure TCustomSQLDataSet.Notification(AComponent: TComponent; Operation: TOperation);
begin
  inherited Notification(AComponent, Operation);
  if Operation = opRemove then
  begin
    if AComponent = FSQLConnection then
      FSQLConnection := nil;
    if AComponent = FDataSource then
      FDataSource := nil;
  end;
end;

procedure TCustomSQLDataSet.SetDataSource(Value: TDataSource);
begin
  FDataSource := Value;
  if Value <> nil then
    Value.FreeNotification(Self);
end;

procedure TCustomSQLDataSet.SetParams(Value: TParams);
begin
  FParams.Assign(Value);
end;

procedure TCustomSQLDataSet.SetSQLConnection(Value: TSQLConnection);
begin
  FSQLConnection := Value;
  if Value <> nil then
    Value.FreeNotification(Self);
end;

function TCustomSQLDataSet.ExecSQL(ExecDirect: Boolean): Integer;
begin
  Result := 0;
end;

{ TSQLQuery }

constructor TSQLQuery.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FSQL := TStringList.Create;
end;

destructor TSQLQuery.Destroy;
begin
  FSQL.Free;
  inherited Destroy;
end;

procedure TSQLQuery.SetSQL(Value: TStrings);
begin
  FSQL.Assign(Value);
end;

{ TSQLTable }

procedure TSQLTable.Notification(AComponent: TComponent; Operation: TOperation);
begin
  inherited Notification(AComponent, Operation);
  if (Operation = opRemove) and (AComponent = FMasterSource) then
    FMasterSource := nil;
end;

procedure TSQLTable.SetMasterSource(Value: TDataSource);
begin
  FMasterSource := Value;
  if Value <> nil then
    Value.FreeNotification(Self);
end;

end.
