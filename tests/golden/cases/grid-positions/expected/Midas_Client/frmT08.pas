unit frmT08;

interface

uses
  Classes, Controls, Forms, DB, DBCtrls, DBGrids, StdCtrls, Mask, dmClient;

type
  TT08_Frm = class(TForm)
    T08_DBNvg: TDBNavigator;
    T08_DBGrid: TDBGrid;
    ID_Lab: TLabel;
    ID_DBEdt: TDBEdit;

  end;

var
  T08_Frm: TT08_Frm;

implementation

{$R *.dfm}

end.
