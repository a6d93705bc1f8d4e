unit frmOrderSummary;

interface

uses
  Classes, Controls, Forms, DB, DBCtrls, DBGrids, StdCtrls, Mask, dmClient;

type
  TOrderSummary_Frm = class(TForm)
    OrderSummary_DBNvg: TDBNavigator;
    OrderSummary_DBGrid: TDBGrid;
    OrderID_Lab: TLabel;
    OrderID_DBEdt: TDBEdit;
    CompanyName_Lab: TLabel;
    CompanyName_DBEdt: TDBEdit;
    Total_Lab: TLabel;
    Total_DBEdt: TDBEdit;

  end;

var
  OrderSummary_Frm: TOrderSummary_Frm;

implementation

{$R *.dfm}

end.
