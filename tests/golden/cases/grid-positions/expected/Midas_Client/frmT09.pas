unit frmT09;

interface

uses
  Classes, Controls, Forms, DB, DBCtrls, DBGrids, StdCtrls, Mask, dmClient;

type
  TT09_Frm = class(TForm)
    T09_DBNvg: TDBNavigator;
    T09_DBGrid: TDBGrid;
    ID_Lab: TLabel;
    ID_DBEdt: TDBEdit;

  end;

var
  T09_Frm: TT09_Frm;

implementation

{$R *.dfm}

end.
