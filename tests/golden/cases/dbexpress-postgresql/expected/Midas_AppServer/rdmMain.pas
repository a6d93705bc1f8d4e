unit rdmMain;

{$WARN SYMBOL_PLATFORM OFF}

interface

uses
  Windows, Messages, SysUtils, Classes, IniFiles, ComServ, ComObj, VCLCom,
  DataBkr, StdVcl, DB, SqlExpr, DBXpress, Provider, Midas_AppServer_TLB,
  FMTBcd, // dbExpress reports numeric columns as TFMTBCDField
  SqlTimSt; // and time-stamp columns as TSQLTimeStampField

type
  TAppServer_RDM = class(TRemoteDataModule, IAppServer_RDM)
    DBConnection: TSQLConnection;
    Orders_D: TSQLQuery;
    Orders_P: TDataSetProvider;
    Orders_Dorder_id : TIntegerField;
    Orders_Dplaced : TSQLTimeStampField;
    Orders_Dtotal : TFMTBCDField;
    order_lines_D: TSQLQuery;
    order_lines_P: TDataSetProvider;
    order_lines_Dline_id : TIntegerField;
    order_lines_Dnote : TWideStringField;
    OrderDetails_D: TSQLQuery;
    OrderDetails_P: TDataSetProvider;
    OrderDetails_Ddetail_id : TIntegerField;
    openorders_D: TSQLQuery;
    openorders_P: TDataSetProvider;
    openorders_Dorder_id : TIntegerField;

    procedure RemoteDataModuleCreate(Sender: TObject);
  private
  protected
    class procedure UpdateRegistry(Register: Boolean; const ClassID, ProgID: string); override;
  public
  end;

implementation

{$R *.dfm}

const
  ConnectionFile = 'Database.ini';
  ConnectionSection = 'Connection';

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
  Ini: TIniFile;
  Settings: TStringList;
  I: Integer;
  Key: string;
begin
  // The connection is described in Database.ini beside the server executable:
  // the dbExpress driver (DriverName, GetDriverFunc, LibraryName, VendorLib)
  // and the driver's own parameters (Database, HostName, User_Name, ...).
  // Settings stored in the form file would point at the developer's machine
  // and break on the first deployment; an administrator edits the .ini.
  DBConnection.Connected := False;
  // Database may name a file beside the server by its name alone; the driver
  // looks for such a name in the current folder, which for a server that COM
  // starts is the Windows system folder.
  SetCurrentDir(ExtractFilePath(ParamStr(0)));
  Ini := TIniFile.Create(ExtractFilePath(ParamStr(0)) + ConnectionFile);
  Settings := TStringList.Create;
  try
    Ini.ReadSectionValues(ConnectionSection, Settings);
    DBConnection.Params.Clear;
    for I := 0 to Settings.Count - 1 do
    begin
      Key := Settings.Names[I];
      if SameText(Key, 'DriverName') then
        DBConnection.DriverName := Settings.Values[Key]
      else if SameText(Key, 'GetDriverFunc') then
        DBConnection.GetDriverFunc := Settings.Values[Key]
      else if SameText(Key, 'LibraryName') then
        DBConnection.LibraryName := Settings.Values[Key]
      else if SameText(Key, 'VendorLib') then
        DBConnection.VendorLib := Settings.Values[Key]
      else
        DBConnection.Params.Add(Settings[I]);
    end;
  finally
    Settings.Free;
    Ini.Free;
  end;
end;

initialization
  // One instance of the remote data module per client connection.
  TComponentFactory.Create(ComServer, TAppServer_RDM,
    Class_AppServer_RDM, ciMultiInstance, tmApartment);
end.
