unit dmClient;

interface

uses
  Classes, DB, DBClient, MConnect, FMTBcd;

type
  TDM = class(TDataModule)
    DBConnectionBroker: TConnectionBroker;
    OrderDetails_CDS: TClientDataSet;
    OrderDetails_DS: TDataSource;
    OrderDetails_CDSOrderID : TAutoIncField;
    OrderDetails_CDSQuantity : TSmallintField;
    OrderDetails_3_CDS: TClientDataSet;
    OrderDetails_3_DS: TDataSource;
    OrderDetails_3_CDSDetailID : TIntegerField;
    OrderDetails_3_CDSNote : TWideStringField;
    OrderDetails_2_CDS: TClientDataSet;
    OrderDetails_2_DS: TDataSource;
    OrderDetails_2_CDSCode : TStringField;
    ORDERDETAILS_4_CDS: TClientDataSet;
    ORDERDETAILS_4_DS: TDataSource;
    ORDERDETAILS_4_CDSFlag : TBooleanField;
    Main_2_CDS: TClientDataSet;
    Main_2_DS: TDataSource;
    Main_2_CDSMainID : TIntegerField;

  end;

var
  DM: TDM;

implementation

{$R *.dfm}

end.
