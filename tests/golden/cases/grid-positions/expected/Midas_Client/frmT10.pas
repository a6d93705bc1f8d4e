unit frmT10;

interface

uses
  Classes, Controls, Forms, DB, DBCtrls, DBGrids, StdCtrls, Mask, dmClient;

type
  TT10_Frm = class(TForm)
    T10_DBNvg: TDBNavigator;
    T10_DBGrid: TDBGrid;
    ID_Lab: TLabel;
    ID_DBEdt: TDBEdit;

  end;

var
  T10_Frm: TT10_Frm;

implementation

{$R *.dfm}

end.
