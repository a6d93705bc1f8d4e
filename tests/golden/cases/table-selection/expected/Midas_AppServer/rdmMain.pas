unit rdmMain;

interface

uses
  Classes, DB, ADODB, Provider, FMTBcd;

type
  TRDM = class(TDataModule)
    DBConnection: TADOConnection;
    Customers_D: TADOQuery;
    Customers_P: TDataSetProvider;
    Customers_DCustomerID : TWideStringField;
    Customers_DCompanyName : TWideStringField;
    Customers_DGre : TIntegerField;
    Customers_DPhone : TWideStringField;
    Shippers_D: TADOQuery;
    Shippers_P: TDataSetProvider;
    Shippers_DShipperID : TAutoIncField;
    Shippers_DCompanyName : TWideStringField;
    Shippers_DPhone : TWideStringField;
    Orders_D: TADOQuery;
    Orders_P: TDataSetProvider;
    Orders_DOrderID : TAutoIncField;
    Orders_DCustomerID : TWideStringField;
    Orders_DEmployeeID : TIntegerField;
    Orders_DOrderDate : TDateTimeField;
    Orders_DShipperID : TIntegerField;
    Orders_DBillShipperID : TIntegerField;
    Orders_DFreight : TBCDField;
    OrderDetails_D: TADOQuery;
    OrderDetails_P: TDataSetProvider;
    OrderDetails_DOrderID : TIntegerField;
    OrderDetails_DProductID : TIntegerField;
    OrderDetails_DUnitPrice : TBCDField;
    OrderDetails_DQuantity : TSmallintField;
    OrderDetails_DDiscount : TFloatField;
    AuditLog_D: TADOQuery;
    AuditLog_P: TDataSetProvider;
    AuditLog_DLoggedAt : TDateTimeField;
    AuditLog_DMessage : TWideStringField;

  end;

implementation

{$R *.dfm}

end.
