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
    Note_Lab: TLabel;
    Note_DBEdt: TDBEdit;

  end;

var
  Orders_Frm: TOrders_Frm;

implementation

{$R *.dfm}

end.
