unit rdmMain;

{$WARN SYMBOL_PLATFORM OFF}

interface

uses
  Windows, Messages, SysUtils, Classes, ComServ, ComObj, VCLCom, DataBkr,
  StdVcl, DB, ADODB, Provider, Midas_AppServer_TLB,
  FMTBcd; // persistent fields of wide decimal columns are TFMTBCDField

type
  TAppServer_RDM = class(TRemoteDataModule, IAppServer_RDM)
    DBConnection: TADOConnection;
    Orders_D: TADOQuery;
    Orders_P: TDataSetProvider;
    Orders_DOrderID : TAutoIncField;
    Orders_DClientID : TIntegerField;
    Orders_DEmployeeID : TIntegerField;
    Orders_DOrderDate : TDateField;
    Orders_DOrderTime : TTimeField;
    Orders_DRequiredDate : TDateField;
    Orders_DFreight : TFMTBCDField;
    Orders_DShipName : TStringField;
    Orders_DShipAddress : TStringField;
    Orders_DShipCity : TStringField;
    Orders_DShipPostalCode : TStringField;
    Orders_DOrderGuid : TGuidField;
    Orders_DCreatedAt : TDateTimeField;
    Orders_DComments : TMemoField;
    Sales_Client_D: TADOQuery;
    Sales_Client_P: TDataSetProvider;
    Sales_Client_DClientID : TAutoIncField;
    Sales_Client_DClientName : TStringField;
    Sales_Client_DContactName : TWideStringField;
    Sales_Client_DAddress : TStringField;
    Sales_Client_DCity : TStringField;
    Sales_Client_DPostalCode : TStringField;
    Sales_Client_DCountryCode : TWideStringField;
    Sales_Client_DPhone : TStringField;
    Sales_Client_DRegionID : TIntegerField;
    Sales_Client_DCreditLimit : TBCDField;
    Sales_Client_DIsActive : TBooleanField;
    Sales_Client_DClientSince : TDateField;
    Sales_Client_DNotes : TMemoField;
    Sales_Region_D: TADOQuery;
    Sales_Region_P: TDataSetProvider;
    Sales_Region_DRegionID : TAutoIncField;
    Sales_Region_DRegionCode : TStringField;
    Sales_Region_DRegionName : TStringField;
    Sales_Region_DDescription : TMemoField;

    procedure RemoteDataModuleCreate(Sender: TObject);
  private
  protected
    class procedure UpdateRegistry(Register: Boolean; const ClassID, ProgID: string); override;
  public
  end;

implementation

{$R *.dfm}

const
  JetDatabaseFile = 'Database.mdb';
  DataLinkFile = 'Database.udl';

class procedure TAppServer_RDM.UpdateRegistry(Register: Boolean; const ClassID, ProgID: string);
begin
  // Besides the COM registration, mark the class as reachable through the
  // socket server and httpsrvr.dll; both refuse classes without these entries.
  if Register then
  begin
    inherited UpdateRegistry(Register, ClassID, ProgID);
    EnableSocketTransport(ClassID);
    EnableWebTransport(ClassID);
  end
  else
  begin
    DisableSocketTransport(ClassID);
    DisableWebTransport(ClassID);
    inherited UpdateRegistry(Register, ClassID, ProgID);
  end;
end;

procedure TAppServer_RDM.RemoteDataModuleCreate(Sender: TObject);
var
  ExeDir: string;
begin
  // The database is deployed beside the server executable, so its location
  // is worked out here at run time. A path stored in the form file would
  // point at the developer's machine and break on the first deployment.
  ExeDir := ExtractFilePath(ParamStr(0));
  // A data link may name a database file beside the server by its name alone;
  // providers and ODBC drivers look for such a name in the current folder,
  // which for a server that COM starts is the Windows system folder.
  SetCurrentDir(ExeDir);
  DBConnection.Connected := False;
  if FileExists(ExeDir + JetDatabaseFile) then
    DBConnection.ConnectionString :=
      'Provider=Microsoft.Jet.OLEDB.4.0;Data Source=' + ExeDir + JetDatabaseFile +
      ';Persist Security Info=False'
  else
    // Any other database is described by a data link file. An administrator
    // can change it by double-clicking it in Explorer, without a rebuild.
    DBConnection.ConnectionString := 'FILE NAME=' + ExeDir + DataLinkFile;
end;

initialization
  // One instance of the remote data module per client connection; apartment
  // threading keeps ADO on the thread that created the connection.
  TComponentFactory.Create(ComServer, TAppServer_RDM,
    Class_AppServer_RDM, ciMultiInstance, tmApartment);
end.
