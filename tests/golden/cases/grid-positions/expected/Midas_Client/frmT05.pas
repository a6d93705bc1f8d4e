unit frmT05;

interface

uses
  Classes, Controls, Forms, DB, DBCtrls, DBGrids, StdCtrls, Mask, dmClient;

type
  TT05_Frm = class(TForm)
    T05_DBNvg: TDBNavigator;
    T05_DBGrid: TDBGrid;
    ID_Lab: TLabel;
    ID_DBEdt: TDBEdit;

  end;

var
  T05_Frm: TT05_Frm;

implementation

{$R *.dfm}

end.
