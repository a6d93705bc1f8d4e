unit dmClient;

interface

uses
  Classes, DB, DBClient, MConnect, FMTBcd;

type
  TDM = class(TDataModule)
    DBConnectionBroker: TConnectionBroker;
    Orders_CDS: TClientDataSet;
    Orders_DS: TDataSource;
    Orders_CDSOrderID : TIntegerField;
    Orders_CDSNote : TStringField;
    Lines_CDS: TClientDataSet;
    Lines_DS: TDataSource;
    Lines_CDSLineID : TIntegerField;

  end;

var
  DM: TDM;

implementation

{$R *.dfm}

end.
