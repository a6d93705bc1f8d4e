program Midas_AppServer;

uses
  Forms,
  frmServer in 'frmServer.pas' {Server_Frm},
  rdmMain in 'rdmMain.pas' {AppServer_RDM: TRemoteDataModule} {AppServer_RDM: CoClass},
  Midas_AppServer_TLB in 'Midas_AppServer_TLB.pas';

{$R *.TLB}

begin
  Application.Initialize;
  Application.Title := 'Midas Application Server';
  Application.CreateForm(TServer_Frm, Server_Frm);
  Application.Run;
end.
