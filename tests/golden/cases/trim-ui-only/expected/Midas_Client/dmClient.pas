unit dmClient;

interface

uses
  Classes, DB, DBClient, MConnect, FMTBcd;

type
  TDM = class(TDataModule)
    DBConnectionBroker: TConnectionBroker;
    Sales_Client_CDS: TClientDataSet;
    Sales_Client_DS: TDataSource;
    Sales_Client_CDSClientID : TAutoIncField;
    Sales_Client_CDSClientName : TWideStringField;
    OrderDetails_CDS: TClientDataSet;
    OrderDetails_DS: TDataSource;
    OrderDetails_CDSOrderID : TIntegerField;
    OrderDetails_CDSUnitPrice : TBCDField;
    Empty_CDS: TClientDataSet;
    Empty_DS: TDataSource;
    ClientList_CDS: TClientDataSet;
    ClientList_DS: TDataSource;
    ClientList_CDSClientName : TWideStringField;

  end;

var
  DM: TDM;

implementation

{$R *.dfm}

end.
