unit dmClient;

interface

uses
  Classes, DB, DBClient, MConnect, FMTBcd;

type
  TDM = class(TDataModule)
    DBConnectionBroker: TConnectionBroker;
    Artikel_CDS: TClientDataSet;
    Artikel_DS: TDataSource;
    Artikel_CDSArtikelNr : TAutoIncField;
    Artikel_CDSGre : TWideStringField;
    Artikel_CDSPreis : TBCDField;
    Donnes_CDS: TClientDataSet;
    Donnes_DS: TDataSource;
    Donnes_CDSCaf : TWideStringField;

  end;

var
  DM: TDM;

implementation

{$R *.dfm}

end.
