unit frmDonnes;

interface

uses
  Classes, Controls, Forms, DB, DBCtrls, DBGrids, StdCtrls, Mask, dmClient;

type
  TDonnes_Frm = class(TForm)
    Donnes_DBNvg: TDBNavigator;
    Donnes_DBGrid: TDBGrid;
    Caf_Lab: TLabel;
    Caf_DBEdt: TDBEdit;

  end;

var
  Donnes_Frm: TDonnes_Frm;

implementation

{$R *.dfm}

end.
