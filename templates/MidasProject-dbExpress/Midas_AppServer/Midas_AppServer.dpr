program Midas_AppServer;

uses
  Forms,
  frmServer in 'frmServer.pas' {Server_Frm},
  rdmMain in 'rdmMain.pas' {AppServer_RDM: TRemoteDataModule} {AppServer_RDM: CoClass},
  Midas_AppServer_TLB in 'Midas_AppServer_TLB.pas';

// The type library must be linked in: the COM class factory of the remote
// data module reads its type information from this resource when the server
// starts. Midas_AppServer.tlb is compiled from Midas_AppServer.ridl.
{$R *.TLB}

begin
  // Initialize also handles /regserver and /unregserver; a normal start
  // registers the server as well, so running it once is enough.
  Application.Initialize;
  Application.Title := 'Midas Application Server';
  Application.CreateForm(TServer_Frm, Server_Frm);
  Application.Run;
end.
