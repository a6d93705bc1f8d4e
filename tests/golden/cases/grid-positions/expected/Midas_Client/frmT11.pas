unit frmT11;

interface

uses
  Classes, Controls, Forms, DB, DBCtrls, DBGrids, StdCtrls, Mask, dmClient;

type
  TT11_Frm = class(TForm)
    T11_DBNvg: TDBNavigator;
    T11_DBGrid: TDBGrid;
    ID_Lab: TLabel;
    ID_DBEdt: TDBEdit;

  end;

var
  T11_Frm: TT11_Frm;

implementation

{$R *.dfm}

end.
