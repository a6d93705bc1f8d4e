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
    Employees_CDS: TClientDataSet;
    Employees_DS: TDataSource;
    Employees_CDSEmployeeID : TAutoIncField;
    Employees_CDSLastName : TWideStringField;
    Employees_CDSReportsTo : TIntegerField;
    Employees_CDSRegionID : TIntegerField;
    Shippers_CDS: TClientDataSet;
    Shippers_DS: TDataSource;
    Shippers_CDSShipperID : TAutoIncField;
    Shippers_CDSCompanyName : TWideStringField;
    Shippers_CDSPhone : TWideStringField;
    Products_CDS: TClientDataSet;
    Products_DS: TDataSource;
    Products_CDSProductID : TAutoIncField;
    Products_CDSProductName : TWideStringField;
    Products_CDSUnitPrice : TBCDField;
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
    OrderSummary_CDS: TClientDataSet;
    OrderSummary_DS: TDataSource;
    OrderSummary_CDSOrderID : TIntegerField;
    OrderSummary_CDSCompanyName : TWideStringField;
    OrderSummary_CDSTotal : TBCDField;

  end;

var
  DM: TDM;

implementation

{$R *.dfm}

end.
