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
{#DataComponentList}
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
