unit frmT02;

interface

uses
  Classes, Controls, Forms, DB, DBCtrls, DBGrids, StdCtrls, Mask, dmClient;

type
  TT02_Frm = class(TForm)
    T02_DBNvg: TDBNavigator;
    T02_DBGrid: TDBGrid;
    ID_Lab: TLabel;
    ID_DBEdt: TDBEdit;

  end;

var
  T02_Frm: TT02_Frm;

implementation

{$R *.dfm}

end.
