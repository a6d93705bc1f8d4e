unit rdmMain;

{$WARN SYMBOL_PLATFORM OFF}

interface

uses
  Windows, Messages, SysUtils, Classes, ComServ, ComObj, VCLCom, DataBkr,
  StdVcl, DB, ADODB, Provider, Midas_AppServer_TLB;

type
  TAppServer_RDM = class(TRemoteDataModule, IAppServer_RDM)
    DBConnection: TADOConnection;
    Orders_D: TADOQuery;
    Orders_P: TDataSetProvider;
    Orders_DOrderID: TAutoIncField;
    Orders_DClient: TStringField;
    Orders_DTotal: TBCDField;
    Clients_D: TADOQuery;
    Clients_P: TDataSetProvider;
    Clients_DCode: TStringField;
    Clients_DName: TStringField;
    procedure RemoteDataModuleCreate(Sender: TObject);
  protected
    class procedure UpdateRegistry(Register: Boolean; const ClassID, ProgID: string); override;
  end;

implementation

{$R *.dfm}

class procedure TAppServer_RDM.UpdateRegistry(Register: Boolean; const ClassID, ProgID: string);
begin
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
begin
  DBConnection.ConnectionString := 'FILE NAME=' + ExtractFilePath(ParamStr(0)) + 'Database.udl';
end;

initialization
  TComponentFactory.Create(ComServer, TAppServer_RDM,
    Class_AppServer_RDM, ciMultiInstance, tmApartment);
end.
