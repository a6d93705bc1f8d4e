unit dmClient;

interface

uses
  Classes, DB, DBClient, MConnect, FMTBcd;

type
  TDM = class(TDataModule)
    DBConnectionBroker: TConnectionBroker;
    Customers_CDS: TClientDataSet;
    Customers_DS: TDataSource;
    Customers_CDSCustomerID : TWideStringField;
    Customers_CDSCompanyName : TWideStringField;
    Customers_CDSGre : TIntegerField;
    Customers_CDSPhone : TWideStringField;
    Shippers_CDS: TClientDataSet;
    Shippers_DS: TDataSource;
    Shippers_CDSShipperID : TAutoIncField;
    Shippers_CDSCompanyName : TWideStringField;
    Shippers_CDSPhone : TWideStringField;
    Orders_CDS: TClientDataSet;
    Orders_DS: TDataSource;
    Orders_CDSOrderID : TAutoIncField;
    Orders_CDSCustomerID : TWideStringField;
    Orders_CDSEmployeeID : TIntegerField;
    Orders_CDSOrderDate : TDateTimeField;
    Orders_CDSShipperID : TIntegerField;
    Orders_CDSBillShipperID : TIntegerField;
    Orders_CDSFreight : TBCDField;
    OrderDetails_CDS: TClientDataSet;
    OrderDetails_DS: TDataSource;
    OrderDetails_CDSOrderID : TIntegerField;
    OrderDetails_CDSProductID : TIntegerField;
    OrderDetails_CDSUnitPrice : TBCDField;
    OrderDetails_CDSQuantity : TSmallintField;
    OrderDetails_CDSDiscount : TFloatField;
    AuditLog_CDS: TClientDataSet;
    AuditLog_DS: TDataSource;
    AuditLog_CDSLoggedAt : TDateTimeField;
    AuditLog_CDSMessage : TWideStringField;

  end;

var
  DM: TDM;

implementation

{$R *.dfm}

end.
