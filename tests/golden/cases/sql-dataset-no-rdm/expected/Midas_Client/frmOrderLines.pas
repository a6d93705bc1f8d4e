unit frmOrderLines;

interface

uses
  Classes, Controls, Forms, DB, DBCtrls, DBGrids, StdCtrls, Mask, dmClient;

type
  TOrderLines_Frm = class(TForm)
    OrderLines_DBNvg: TDBNavigator;
    OrderLines_DBGrid: TDBGrid;
    LineID_Lab: TLabel;
    LineID_DBEdt: TDBEdit;

  end;

var
  OrderLines_Frm: TOrderLines_Frm;

implementation

{$R *.dfm}

end.
