unit frmArtikel;

interface

uses
  Classes, Controls, Forms, DB, DBCtrls, DBGrids, StdCtrls, Mask, dmClient;

type
  TArtikel_Frm = class(TForm)
    Artikel_DBNvg: TDBNavigator;
    Artikel_DBGrid: TDBGrid;
    ArtikelNr_Lab: TLabel;
    ArtikelNr_DBEdt: TDBEdit;
    Gre_Lab: TLabel;
    Gre_DBEdt: TDBEdit;
    Preis_Lab: TLabel;
    Preis_DBEdt: TDBEdit;

  end;

var
  Artikel_Frm: TArtikel_Frm;

implementation

{$R *.dfm}

end.
