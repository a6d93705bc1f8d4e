unit dmClient;

interface

uses
  Classes, DB, DBClient, MConnect, FMTBcd;

type
  TDM = class(TDataModule)
    DBConnectionBroker: TConnectionBroker;
    Parts_CDS: TClientDataSet;
    Parts_DS: TDataSource;
    Parts_CDSPartNo : TIntegerField;
    Parts_CDSSizeBytes : TIntegerField;
    Parts_CDSClientName : TStringField;
    Parts_CDSNotes : TStringField;
    Parts_CDSMaker : TStringField;

  end;

var
  DM: TDM;

implementation

{$R *.dfm}

end.
