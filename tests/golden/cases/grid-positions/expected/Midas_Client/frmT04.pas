unit frmT04;

interface

uses
  Classes, Controls, Forms, DB, DBCtrls, DBGrids, StdCtrls, Mask, dmClient;

type
  TT04_Frm = class(TForm)
    T04_DBNvg: TDBNavigator;
    T04_DBGrid: TDBGrid;
    ID_Lab: TLabel;
    ID_DBEdt: TDBEdit;

  end;

var
  T04_Frm: TT04_Frm;

implementation

{$R *.dfm}

end.
