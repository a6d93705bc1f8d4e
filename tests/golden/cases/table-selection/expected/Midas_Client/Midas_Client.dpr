program Midas_Client;

uses
  Forms,
  frmMain in 'frmMain.pas' {Main_Frm},
  dmClient in 'dmClient.pas' {DM: TDataModule},
  frmCustomers in 'frmCustomers.pas' {Customers_Frm},
  frmShippers in 'frmShippers.pas' {Shippers_Frm},
  frmOrders in 'frmOrders.pas' {Orders_Frm},
  frmOrderDetails in 'frmOrderDetails.pas' {OrderDetails_Frm},
  frmAuditLog in 'frmAuditLog.pas' {AuditLog_Frm},

  frmTableGrids in 'frmTableGrids.pas' {TableGrids_Frm};

begin
  Application.Initialize;
  Application.CreateForm(TMain_Frm, Main_Frm);
  Application.CreateForm(TDM, DM);
  Application.CreateForm(TCustomers_Frm, Customers_Frm);
  Application.CreateForm(TShippers_Frm, Shippers_Frm);
  Application.CreateForm(TOrders_Frm, Orders_Frm);
  Application.CreateForm(TOrderDetails_Frm, OrderDetails_Frm);
  Application.CreateForm(TAuditLog_Frm, AuditLog_Frm);

  Application.CreateForm(TTableGrids_Frm, TableGrids_Frm);
  Application.Run;
end.
