program Midas_Client;

uses
  Forms,
  frmMain in 'frmMain.pas' {Main_Frm},
  dmClient in 'dmClient.pas' {DM: TDataModule},
  frmClient in 'frmClient.pas' {Client_Frm},
  frmOrderDetails in 'frmOrderDetails.pas' {OrderDetails_Frm},
  frmEmpty in 'frmEmpty.pas' {Empty_Frm},
  frmClientList in 'frmClientList.pas' {ClientList_Frm},

  frmTableGrids in 'frmTableGrids.pas' {TableGrids_Frm};

begin
  Application.Initialize;
  Application.CreateForm(TMain_Frm, Main_Frm);
  Application.CreateForm(TDM, DM);
  Application.CreateForm(TClient_Frm, Client_Frm);
  Application.CreateForm(TOrderDetails_Frm, OrderDetails_Frm);
  Application.CreateForm(TEmpty_Frm, Empty_Frm);
  Application.CreateForm(TClientList_Frm, ClientList_Frm);

  Application.CreateForm(TTableGrids_Frm, TableGrids_Frm);
  Application.Run;
end.
