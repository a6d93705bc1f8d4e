unit frmMain;

interface

uses
  Windows, Messages, SysUtils, Classes, Graphics, Controls, Forms, Dialogs,
  StdCtrls;

type
  TMain_Frm = class(TForm)
    Tables_Lbl: TLabel;
    AllGrids_Btn: TButton;
    Connection_Lbl: TLabel;
    Categories_Btn: TButton;
    Employees_Btn: TButton;
    Invoices_Btn: TButton;
    OrderDetails_Btn: TButton;
    Orders_Btn: TButton;
    Payments_Btn: TButton;
    Products_Btn: TButton;
    Sales_Client_Btn: TButton;
    Sales_Region_Btn: TButton;
    Settings_Btn: TButton;
    Shipments_Btn: TButton;
    Suppliers_Btn: TButton;
    ClientOrders_Btn: TButton;
    OrderTotals_Btn: TButton;

    procedure FormShow(Sender: TObject);
    procedure FormCloseQuery(Sender: TObject; var CanClose: Boolean);
    procedure AllGrids_BtnClick(Sender: TObject);
    procedure Categories_BtnClick(Sender: TObject);
    procedure Employees_BtnClick(Sender: TObject);
    procedure Invoices_BtnClick(Sender: TObject);
    procedure OrderDetails_BtnClick(Sender: TObject);
    procedure Orders_BtnClick(Sender: TObject);
    procedure Payments_BtnClick(Sender: TObject);
    procedure Products_BtnClick(Sender: TObject);
    procedure Sales_Client_BtnClick(Sender: TObject);
    procedure Sales_Region_BtnClick(Sender: TObject);
    procedure Settings_BtnClick(Sender: TObject);
    procedure Shipments_BtnClick(Sender: TObject);
    procedure Suppliers_BtnClick(Sender: TObject);
    procedure ClientOrders_BtnClick(Sender: TObject);
    procedure OrderTotals_BtnClick(Sender: TObject);

  private
  public
  end;

var
  Main_Frm: TMain_Frm;

implementation

uses
  dmClient, frmTableGrids,frmCategories,frmEmployees,frmInvoices,frmOrderDetails,frmOrders,frmPayments,frmProducts,frmSales_Client,frmSales_Region,frmSettings,frmShipments,frmSuppliers,frmClientOrders,frmOrderTotals;

{$R *.dfm}

procedure TMain_Frm.FormShow(Sender: TObject);
begin
  // Shows which Config.ini setting took effect, the first question when a
  // client cannot reach its server.
  Connection_Lbl.Caption := 'Connection: ' + DM.ConnectionInfo;
end;

procedure TMain_Frm.FormCloseQuery(Sender: TObject; var CanClose: Boolean);
begin
  // Table forms are only hidden when closed, so a record may still be in
  // edit mode somewhere; save it before the application ends.
  DM.PostPendingEdits;
end;

procedure TMain_Frm.AllGrids_BtnClick(Sender: TObject);
begin
  TableGrids_Frm.Show;
end;

procedure TMain_Frm.Categories_BtnClick(Sender: TObject);
begin
  DM.Categories_CDS.Active := True;
  Categories_frm.Show;
end;


procedure TMain_Frm.Employees_BtnClick(Sender: TObject);
begin
  DM.Employees_CDS.Active := True;
  Employees_frm.Show;
end;


procedure TMain_Frm.Invoices_BtnClick(Sender: TObject);
begin
  DM.Invoices_CDS.Active := True;
  Invoices_frm.Show;
end;


procedure TMain_Frm.OrderDetails_BtnClick(Sender: TObject);
begin
  DM.OrderDetails_CDS.Active := True;
  OrderDetails_frm.Show;
end;


procedure TMain_Frm.Orders_BtnClick(Sender: TObject);
begin
  DM.Orders_CDS.Active := True;
  Orders_frm.Show;
end;


procedure TMain_Frm.Payments_BtnClick(Sender: TObject);
begin
  DM.Payments_CDS.Active := True;
  Payments_frm.Show;
end;


procedure TMain_Frm.Products_BtnClick(Sender: TObject);
begin
  DM.Products_CDS.Active := True;
  Products_frm.Show;
end;


procedure TMain_Frm.Sales_Client_BtnClick(Sender: TObject);
begin
  DM.Sales_Client_CDS.Active := True;
  Sales_Client_frm.Show;
end;


procedure TMain_Frm.Sales_Region_BtnClick(Sender: TObject);
begin
  DM.Sales_Region_CDS.Active := True;
  Sales_Region_frm.Show;
end;


procedure TMain_Frm.Settings_BtnClick(Sender: TObject);
begin
  DM.Settings_CDS.Active := True;
  Settings_frm.Show;
end;


procedure TMain_Frm.Shipments_BtnClick(Sender: TObject);
begin
  DM.Shipments_CDS.Active := True;
  Shipments_frm.Show;
end;


procedure TMain_Frm.Suppliers_BtnClick(Sender: TObject);
begin
  DM.Suppliers_CDS.Active := True;
  Suppliers_frm.Show;
end;


procedure TMain_Frm.ClientOrders_BtnClick(Sender: TObject);
begin
  DM.ClientOrders_CDS.Active := True;
  ClientOrders_frm.Show;
end;


procedure TMain_Frm.OrderTotals_BtnClick(Sender: TObject);
begin
  DM.OrderTotals_CDS.Active := True;
  OrderTotals_frm.Show;
end;




end.
