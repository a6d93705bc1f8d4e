program Midas_Client;

uses
  Forms,
  frmMain in 'frmMain.pas' {Main_Frm},
  dmClient in 'dmClient.pas' {DM: TDataModule},
  frmCategories in 'frmCategories.pas' {Categories_Frm},
  frmEmployees in 'frmEmployees.pas' {Employees_Frm},
  frmInvoices in 'frmInvoices.pas' {Invoices_Frm},
  frmOrderDetails in 'frmOrderDetails.pas' {OrderDetails_Frm},
  frmOrders in 'frmOrders.pas' {Orders_Frm},
  frmPayments in 'frmPayments.pas' {Payments_Frm},
  frmProducts in 'frmProducts.pas' {Products_Frm},
  frmSales_Client in 'frmSales_Client.pas' {Sales_Client_Frm},
  frmSales_Region in 'frmSales_Region.pas' {Sales_Region_Frm},
  frmSettings in 'frmSettings.pas' {Settings_Frm},
  frmShipments in 'frmShipments.pas' {Shipments_Frm},
  frmSuppliers in 'frmSuppliers.pas' {Suppliers_Frm},
  frmClientOrders in 'frmClientOrders.pas' {ClientOrders_Frm},
  frmOrderTotals in 'frmOrderTotals.pas' {OrderTotals_Frm},

  frmTableGrids in 'frmTableGrids.pas' {TableGrids_Frm};

// No {$R *.res} here: the IDE recreates a missing .res when the line is
// present, but the command-line compiler stops on it. Add it back when the
// project gets an icon or version information.

begin
  Application.Initialize;
  Application.Title := 'Midas Client';
  // The data module comes first: every form's .dfm points at DM's data
  // sources, and DM reads Config.ini before any client dataset can open.
  // Main_Frm is still the main form, being the first form created.
  Application.CreateForm(TDM, DM);
  Application.CreateForm(TMain_Frm, Main_Frm);
  Application.CreateForm(TCategories_Frm, Categories_Frm);
  Application.CreateForm(TEmployees_Frm, Employees_Frm);
  Application.CreateForm(TInvoices_Frm, Invoices_Frm);
  Application.CreateForm(TOrderDetails_Frm, OrderDetails_Frm);
  Application.CreateForm(TOrders_Frm, Orders_Frm);
  Application.CreateForm(TPayments_Frm, Payments_Frm);
  Application.CreateForm(TProducts_Frm, Products_Frm);
  Application.CreateForm(TSales_Client_Frm, Sales_Client_Frm);
  Application.CreateForm(TSales_Region_Frm, Sales_Region_Frm);
  Application.CreateForm(TSettings_Frm, Settings_Frm);
  Application.CreateForm(TShipments_Frm, Shipments_Frm);
  Application.CreateForm(TSuppliers_Frm, Suppliers_Frm);
  Application.CreateForm(TClientOrders_Frm, ClientOrders_Frm);
  Application.CreateForm(TOrderTotals_Frm, OrderTotals_Frm);

  Application.CreateForm(TTableGrids_Frm, TableGrids_Frm);
  Application.Run;
end.
