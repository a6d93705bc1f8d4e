unit frmMain;

interface

uses
  Classes, Controls, Forms, StdCtrls;

type
  TMain_Frm = class(TForm)
    Customers_Btn: TButton;
    Employees_Btn: TButton;
    Shippers_Btn: TButton;
    Products_Btn: TButton;
    Orders_Btn: TButton;
    OrderDetails_Btn: TButton;
    AuditLog_Btn: TButton;
    OrderSummary_Btn: TButton;

    procedure Customers_BtnClick(Sender: TObject);
    procedure Employees_BtnClick(Sender: TObject);
    procedure Shippers_BtnClick(Sender: TObject);
    procedure Products_BtnClick(Sender: TObject);
    procedure Orders_BtnClick(Sender: TObject);
    procedure OrderDetails_BtnClick(Sender: TObject);
    procedure AuditLog_BtnClick(Sender: TObject);
    procedure OrderSummary_BtnClick(Sender: TObject);

  end;

var
  Main_Frm: TMain_Frm;

implementation

uses
  dmClient,frmCustomers,frmEmployees,frmShippers,frmProducts,frmOrders,frmOrderDetails,frmAuditLog,frmOrderSummary;

{$R *.dfm}

procedure TMain_Frm.Customers_BtnClick(Sender: TObject);
begin
  DM.Customers_CDS.Active := True;
  Customers_frm.Show;
end;


procedure TMain_Frm.Employees_BtnClick(Sender: TObject);
begin
  DM.Employees_CDS.Active := True;
  Employees_frm.Show;
end;


procedure TMain_Frm.Shippers_BtnClick(Sender: TObject);
begin
  DM.Shippers_CDS.Active := True;
  Shippers_frm.Show;
end;


procedure TMain_Frm.Products_BtnClick(Sender: TObject);
begin
  DM.Products_CDS.Active := True;
  Products_frm.Show;
end;


procedure TMain_Frm.Orders_BtnClick(Sender: TObject);
begin
  DM.Orders_CDS.Active := True;
  Orders_frm.Show;
end;


procedure TMain_Frm.OrderDetails_BtnClick(Sender: TObject);
begin
  DM.OrderDetails_CDS.Active := True;
  OrderDetails_frm.Show;
end;


procedure TMain_Frm.AuditLog_BtnClick(Sender: TObject);
begin
  DM.AuditLog_CDS.Active := True;
  AuditLog_frm.Show;
end;


procedure TMain_Frm.OrderSummary_BtnClick(Sender: TObject);
begin
  DM.OrderSummary_CDS.Active := True;
  OrderSummary_frm.Show;
end;



end.
