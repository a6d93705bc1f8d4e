unit frmT01;

interface

uses
  Classes, Controls, Forms, DB, DBCtrls, DBGrids, StdCtrls, Mask, dmClient;

type
  TT01_Frm = class(TForm)
    T01_DBNvg: TDBNavigator;
    T01_DBGrid: TDBGrid;
    ID_Lab: TLabel;
    ID_DBEdt: TDBEdit;

  end;

var
  T01_Frm: TT01_Frm;

implementation

{$R *.dfm}

end.
