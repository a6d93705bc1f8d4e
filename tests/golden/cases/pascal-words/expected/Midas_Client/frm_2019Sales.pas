unit frm_2019Sales;

interface

uses
  Classes, Controls, Forms, DB, DBCtrls, DBGrids, StdCtrls, Mask, dmClient;

type
  T_2019Sales_Frm = class(TForm)
    _2019Sales_DBNvg: TDBNavigator;
    _2019Sales_DBGrid: TDBGrid;
    _1stQuarter_Lab: TLabel;
    _1stQuarter_DBEdt: TDBEdit;
    _2ndQuarter_Lab: TLabel;
    _2ndQuarter_DBEdt: TDBEdit;

  end;

var
  _2019Sales_Frm: T_2019Sales_Frm;

implementation

{$R *.dfm}

end.
