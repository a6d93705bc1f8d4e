unit frmMain_2;

interface

uses
  Classes, Controls, Forms, DB, DBCtrls, DBGrids, StdCtrls, Mask, dmClient;

type
  TMain_2_Frm = class(TForm)
    Main_2_DBNvg: TDBNavigator;
    Main_2_DBGrid: TDBGrid;
    MainID_Lab: TLabel;
    MainID_DBEdt: TDBEdit;

  end;

var
  Main_2_Frm: TMain_2_Frm;

implementation

{$R *.dfm}

end.
