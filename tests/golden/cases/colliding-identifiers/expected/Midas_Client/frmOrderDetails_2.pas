unit frmOrderDetails_2;

interface

uses
  Classes, Controls, Forms, DB, DBCtrls, DBGrids, StdCtrls, Mask, dmClient;

type
  TOrderDetails_2_Frm = class(TForm)
    OrderDetails_2_DBNvg: TDBNavigator;
    OrderDetails_2_DBGrid: TDBGrid;
    Code_Lab: TLabel;
    Code_DBEdt: TDBEdit;

  end;

var
  OrderDetails_2_Frm: TOrderDetails_2_Frm;

implementation

{$R *.dfm}

end.
