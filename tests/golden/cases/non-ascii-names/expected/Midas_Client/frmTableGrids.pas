unit frmTableGrids;

interface

uses
  Classes, Controls, Forms, ComCtrls, DB, DBCtrls, DBGrids, dmClient;

type
  TTableGrids_Frm = class(TForm)
    PC: TPageControl;
    Artikel_TS : TTabSheet;
    Artikel_DBNvg: TDBNavigator;
    Artikel_DBGrid: TDBGrid;
    Donnes_TS : TTabSheet;
    Donnes_DBNvg: TDBNavigator;
    Donnes_DBGrid: TDBGrid;

  end;

var
  TableGrids_Frm: TTableGrids_Frm;

implementation

{$R *.dfm}

end.
