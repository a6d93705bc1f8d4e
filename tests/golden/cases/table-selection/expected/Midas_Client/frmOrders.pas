unit frmOrders;

interface

uses
  Classes, Controls, Forms, DB, DBCtrls, DBGrids, StdCtrls, Mask, dmClient;

type
  TOrders_Frm = class(TForm)
    Orders_DBNvg: TDBNavigator;
    Orders_DBGrid: TDBGrid;
    OrderID_Lab: TLabel;
    OrderID_DBEdt: TDBEdit;
    CustomerID_Lab: TLabel;
    CustomerID_DBEdt: TDBEdit;
    CustomerID_DBLkpCbo: TDBLookupComboBox;
    EmployeeID_Lab: TLabel;
    EmployeeID_DBEdt: TDBEdit;
    OrderDate_Lab: TLabel;
    OrderDate_DBEdt: TDBEdit;
    ShipperID_Lab: TLabel;
    ShipperID_DBEdt: TDBEdit;
    ShipperID_DBLkpCbo: TDBLookupComboBox;
    BillShipperID_Lab: TLabel;
    BillShipperID_DBEdt: TDBEdit;
    BillShipperID_DBLkpCbo: TDBLookupComboBox;
    Freight_Lab: TLabel;
    Freight_DBEdt: TDBEdit;

  end;

var
  Orders_Frm: TOrders_Frm;

implementation

{$R *.dfm}

end.
