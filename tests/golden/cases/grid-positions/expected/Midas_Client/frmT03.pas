unit frmT03;

interface

uses
  Classes, Controls, Forms, DB, DBCtrls, DBGrids, StdCtrls, Mask, dmClient;

type
  TT03_Frm = class(TForm)
    T03_DBNvg: TDBNavigator;
    T03_DBGrid: TDBGrid;
    ID_Lab: TLabel;
    ID_DBEdt: TDBEdit;

  end;

var
  T03_Frm: TT03_Frm;

implementation

{$R *.dfm}

end.
