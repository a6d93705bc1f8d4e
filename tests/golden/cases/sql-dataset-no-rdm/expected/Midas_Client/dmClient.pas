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
    Orders_CDSShipped : TDateField;
    OrderLines_CDS: TClientDataSet;
    OrderLines_DS: TDataSource;
    OrderLines_CDSLineID : TIntegerField;

  end;

var
  DM: TDM;

implementation

{$R *.dfm}

end.
