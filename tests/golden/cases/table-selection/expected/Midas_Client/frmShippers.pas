unit frmShippers;

interface

uses
  Classes, Controls, Forms, DB, DBCtrls, DBGrids, StdCtrls, Mask, dmClient;

type
  TShippers_Frm = class(TForm)
    Shippers_DBNvg: TDBNavigator;
    Shippers_DBGrid: TDBGrid;
    ShipperID_Lab: TLabel;
    ShipperID_DBEdt: TDBEdit;
    CompanyName_Lab: TLabel;
    CompanyName_DBEdt: TDBEdit;
    Phone_Lab: TLabel;
    Phone_DBEdt: TDBEdit;

  end;

var
  Shippers_Frm: TShippers_Frm;

implementation

{$R *.dfm}

end.
