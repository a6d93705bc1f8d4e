unit frmMain;

interface

uses
  Classes, Controls, Forms, StdCtrls;

type
  TMain_Frm = class(TForm)
    Customers_Btn: TButton;
    Shippers_Btn: TButton;
    Orders_Btn: TButton;
    OrderDetails_Btn: TButton;
    AuditLog_Btn: TButton;

    procedure Customers_BtnClick(Sender: TObject);
    procedure Shippers_BtnClick(Sender: TObject);
    procedure Orders_BtnClick(Sender: TObject);
    procedure OrderDetails_BtnClick(Sender: TObject);
    procedure AuditLog_BtnClick(Sender: TObject);

  end;

var
  Main_Frm: TMain_Frm;

implementation

uses
  dmClient,frmCustomers,frmShippers,frmOrders,frmOrderDetails,frmAuditLog;

{$R *.dfm}

procedure TMain_Frm.Customers_BtnClick(Sender: TObject);
begin
  DM.Customers_CDS.Active := True;
  Customers_frm.Show;
end;


procedure TMain_Frm.Shippers_BtnClick(Sender: TObject);
begin
  DM.Shippers_CDS.Active := True;
  Shippers_frm.Show;
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



end.
