unit frmT06;

interface

uses
  Classes, Controls, Forms, DB, DBCtrls, DBGrids, StdCtrls, Mask, dmClient;

type
  TT06_Frm = class(TForm)
    T06_DBNvg: TDBNavigator;
    T06_DBGrid: TDBGrid;
    ID_Lab: TLabel;
    ID_DBEdt: TDBEdit;

  end;

var
  T06_Frm: TT06_Frm;

implementation

{$R *.dfm}

end.
