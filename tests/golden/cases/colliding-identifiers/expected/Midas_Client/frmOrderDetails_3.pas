unit frmOrderDetails_3;

interface

uses
  Classes, Controls, Forms, DB, DBCtrls, DBGrids, StdCtrls, Mask, dmClient;

type
  TOrderDetails_3_Frm = class(TForm)
    OrderDetails_3_DBNvg: TDBNavigator;
    OrderDetails_3_DBGrid: TDBGrid;
    DetailID_Lab: TLabel;
    DetailID_DBEdt: TDBEdit;
    Note_Lab: TLabel;
    Note_DBEdt: TDBEdit;

  end;

var
  OrderDetails_3_Frm: TOrderDetails_3_Frm;

implementation

{$R *.dfm}

end.
