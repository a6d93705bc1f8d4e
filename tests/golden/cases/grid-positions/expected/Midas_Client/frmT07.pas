unit frmT07;

interface

uses
  Classes, Controls, Forms, DB, DBCtrls, DBGrids, StdCtrls, Mask, dmClient;

type
  TT07_Frm = class(TForm)
    T07_DBNvg: TDBNavigator;
    T07_DBGrid: TDBGrid;
    ID_Lab: TLabel;
    ID_DBEdt: TDBEdit;

  end;

var
  T07_Frm: TT07_Frm;

implementation

{$R *.dfm}

end.
