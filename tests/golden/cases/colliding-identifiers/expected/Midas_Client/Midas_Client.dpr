program Midas_Client;

uses
  Forms,
  frmMain in 'frmMain.pas' {Main_Frm},
  dmClient in 'dmClient.pas' {DM: TDataModule},
  frmOrderDetails in 'frmOrderDetails.pas' {OrderDetails_Frm},
  frmOrderDetails_3 in 'frmOrderDetails_3.pas' {OrderDetails_3_Frm},
  frmOrderDetails_2 in 'frmOrderDetails_2.pas' {OrderDetails_2_Frm},
  frmORDERDETAILS_4 in 'frmORDERDETAILS_4.pas' {ORDERDETAILS_4_Frm},
  frmMain_2 in 'frmMain_2.pas' {Main_2_Frm},

  frmTableGrids in 'frmTableGrids.pas' {TableGrids_Frm};

begin
  Application.Initialize;
  Application.CreateForm(TMain_Frm, Main_Frm);
  Application.CreateForm(TDM, DM);
  Application.CreateForm(TOrderDetails_Frm, OrderDetails_Frm);
  Application.CreateForm(TOrderDetails_3_Frm, OrderDetails_3_Frm);
  Application.CreateForm(TOrderDetails_2_Frm, OrderDetails_2_Frm);
  Application.CreateForm(TORDERDETAILS_4_Frm, ORDERDETAILS_4_Frm);
  Application.CreateForm(TMain_2_Frm, Main_2_Frm);

  Application.CreateForm(TTableGrids_Frm, TableGrids_Frm);
  Application.Run;
end.
