unit frmOrderDetails;

interface

uses
  Classes, Controls, Forms, DB, DBCtrls, DBGrids, StdCtrls, Mask, dmClient;

type
  TOrderDetails_Frm = class(TForm)
    OrderDetails_DBNvg: TDBNavigator;
    OrderDetails_DBGrid: TDBGrid;
    OrderID_Lab: TLabel;
    OrderID_DBEdt: TDBEdit;
    OrderID_DBLkpCbo: TDBLookupComboBox;
    ProductID_Lab: TLabel;
    ProductID_DBEdt: TDBEdit;
    UnitPrice_Lab: TLabel;
    UnitPrice_DBEdt: TDBEdit;
    Quantity_Lab: TLabel;
    Quantity_DBEdt: TDBEdit;
    Discount_Lab: TLabel;
    Discount_DBEdt: TDBEdit;

  end;

var
  OrderDetails_Frm: TOrderDetails_Frm;

implementation

{$R *.dfm}

end.
