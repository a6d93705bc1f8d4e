program Midas_Client;

uses
  Forms,
  frmMain in 'frmMain.pas' {Main_Frm},
  dmClient in 'dmClient.pas' {DM: TDataModule},
  frmOrders in 'frmOrders.pas' {Orders_Frm},
  frmLines in 'frmLines.pas' {Lines_Frm},

  frmTableGrids in 'frmTableGrids.pas' {TableGrids_Frm};

begin
  Application.Initialize;
  Application.CreateForm(TMain_Frm, Main_Frm);
  Application.CreateForm(TDM, DM);
  Application.CreateForm(TOrders_Frm, Orders_Frm);
  Application.CreateForm(TLines_Frm, Lines_Frm);

  Application.CreateForm(TTableGrids_Frm, TableGrids_Frm);
  Application.Run;
end.
