unit frmProducts;

interface

uses
  Classes, Controls, Forms, DB, DBCtrls, DBGrids, StdCtrls, Mask, dmClient;

type
  TProducts_Frm = class(TForm)
    Products_DBNvg: TDBNavigator;
    Products_DBGrid: TDBGrid;
    ProductID_Lab: TLabel;
    ProductID_DBEdt: TDBEdit;
    ProductName_Lab: TLabel;
    ProductName_DBEdt: TDBEdit;
    UnitPrice_Lab: TLabel;
    UnitPrice_DBEdt: TDBEdit;

  end;

var
  Products_Frm: TProducts_Frm;

implementation

{$R *.dfm}

end.
