unit rdmMain;

interface

uses
  Classes, DB, ADODB, Provider, FMTBcd;

type
  TRDM = class(TDataModule)
    DBConnection: TADOConnection;
    Artikel_D: TADOQuery;
    Artikel_P: TDataSetProvider;
    Artikel_DArtikelNr : TAutoIncField;
    Artikel_DGre : TWideStringField;
    Artikel_DPreis : TBCDField;
    Donnes_D: TADOQuery;
    Donnes_P: TDataSetProvider;
    Donnes_DCaf : TWideStringField;

  end;

implementation

{$R *.dfm}

end.
