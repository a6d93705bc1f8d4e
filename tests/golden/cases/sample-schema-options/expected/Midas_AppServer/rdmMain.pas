unit rdmMain;

{$WARN SYMBOL_PLATFORM OFF}

interface

uses
  Windows, Messages, SysUtils, Classes, ComServ, ComObj, VCLCom, DataBkr,
  StdVcl, DB, ADODB, Provider, Midas_AppServer_TLB,
  FMTBcd; // persistent fields of wide decimal columns are TFMTBCDField

type
  TAppServer_RDM = class(TRemoteDataModule, IAppServer_RDM)
    DBConnection: TADOConnection;
    Categories_D: TADOQuery;
    Categories_P: TDataSetProvider;
    Categories_DCategoryID : TAutoIncField;
    Categories_DCategoryName : TStringField;
    Categories_DDescription : TMemoField;
    Categories_DSortOrder : TSmallintField;
    Employees_D: TADOQuery;
    Employees_P: TDataSetProvider;
    Employees_DEmployeeID : TAutoIncField;
    Employees_DLastName : TStringField;
    Employees_DFirstName : TStringField;
    Employees_DTitle : TStringField;
    Employees_DBirthDate : TDateField;
    Employees_DHireDate : TDateField;
    Employees_DReportsToID : TIntegerField;
    Employees_DExtension : TSmallintField;
    Employees_DPhoto : TBlobField;
    Employees_DRemarks : TMemoField;
    Invoices_D: TADOQuery;
    Invoices_P: TDataSetProvider;
    Invoices_DInvoiceID : TAutoIncField;
    Invoices_DOrderID : TIntegerField;
    Invoices_DInvoiceNumber : TIntegerField;
    Invoices_DInvoiceDate : TDateField;
    Invoices_DDueDate : TDateField;
    Invoices_DTotalAmount : TFMTBCDField;
    Invoices_DTaxRate : TFloatField;
    Invoices_DIsPaid : TBooleanField;
    Invoices_DPdfDocument : TBlobField;
    OrderDetails_D: TADOQuery;
    OrderDetails_P: TDataSetProvider;
    OrderDetails_DOrderID : TIntegerField;
    OrderDetails_DProductID : TIntegerField;
    OrderDetails_DUnitPrice : TFMTBCDField;
    OrderDetails_DQuantity : TSmallintField;
    OrderDetails_DDiscount : TFloatField;
    Orders_D: TADOQuery;
    Orders_P: TDataSetProvider;
    Orders_DOrderID : TAutoIncField;
    Orders_DClientID : TIntegerField;
    Orders_DEmployeeID : TIntegerField;
    Orders_DOrderDate : TDateField;
    Orders_DOrderTime : TTimeField;
    Orders_DRequiredDate : TDateField;
    Orders_DFreight : TFMTBCDField;
    Orders_DShipName : TStringField;
    Orders_DShipAddress : TStringField;
    Orders_DShipCity : TStringField;
    Orders_DShipPostalCode : TStringField;
    Orders_DOrderGuid : TGuidField;
    Orders_DCreatedAt : TDateTimeField;
    Orders_DComments : TMemoField;
    Payments_D: TADOQuery;
    Payments_P: TDataSetProvider;
    Payments_DPaymentID : TAutoIncField;
    Payments_DOrderID : TIntegerField;
    Payments_DPaidAt : TDateTimeField;
    Payments_DAmount : TFMTBCDField;
    Payments_DPaymentMethod : TStringField;
    Payments_DCardLastDigits : TStringField;
    Payments_DTransactionRef : TGuidField;
    Payments_DBankReference : TLargeintField;
    Products_D: TADOQuery;
    Products_P: TDataSetProvider;
    Products_DProductID : TAutoIncField;
    Products_DProductName : TStringField;
    Products_DSupplierID : TIntegerField;
    Products_DCategoryID : TIntegerField;
    Products_DQuantityPerUnit : TStringField;
    Products_DUnitPrice : TFMTBCDField;
    Products_DUnitsInStock : TSmallintField;
    Products_DReorderLevel : TSmallintField;
    Products_DDiscontinued : TBooleanField;
    Products_DWeightKg : TFloatField;
    Products_DBarCode : TStringField;
    Products_DPicture : TBlobField;
    Sales_Client_D: TADOQuery;
    Sales_Client_P: TDataSetProvider;
    Sales_Client_DClientID : TAutoIncField;
    Sales_Client_DClientName : TStringField;
    Sales_Client_DContactName : TWideStringField;
    Sales_Client_DAddress : TStringField;
    Sales_Client_DCity : TStringField;
    Sales_Client_DPostalCode : TStringField;
    Sales_Client_DCountryCode : TWideStringField;
    Sales_Client_DPhone : TStringField;
    Sales_Client_DRegionID : TIntegerField;
    Sales_Client_DCreditLimit : TBCDField;
    Sales_Client_DIsActive : TBooleanField;
    Sales_Client_DClientSince : TDateField;
    Sales_Client_DNotes : TMemoField;
    Sales_Region_D: TADOQuery;
    Sales_Region_P: TDataSetProvider;
    Sales_Region_DRegionID : TAutoIncField;
    Sales_Region_DRegionCode : TStringField;
    Sales_Region_DRegionName : TStringField;
    Sales_Region_DDescription : TMemoField;
    Settings_D: TADOQuery;
    Settings_P: TDataSetProvider;
    Settings_DSettingKey : TStringField;
    Settings_DSettingValue : TWideStringField;
    Settings_DValueKind : TStringField;
    Settings_DCounter : TLargeintField;
    Settings_DModifiedAt : TDateTimeField;
    Shipments_D: TADOQuery;
    Shipments_P: TDataSetProvider;
    Shipments_DShipmentID : TAutoIncField;
    Shipments_DOrderID : TIntegerField;
    Shipments_DCarrierName : TStringField;
    Shipments_DShippedDate : TDateField;
    Shipments_DShippedTime : TTimeField;
    Shipments_DTrackingCode : TStringField;
    Shipments_DGrossWeightKg : TFloatField;
    Shipments_DDelivered : TBooleanField;
    Shipments_DDeliveredAt : TDateTimeField;
    Suppliers_D: TADOQuery;
    Suppliers_P: TDataSetProvider;
    Suppliers_DSupplierID : TAutoIncField;
    Suppliers_DCompanyName : TWideStringField;
    Suppliers_DContactName : TStringField;
    Suppliers_DAddress : TStringField;
    Suppliers_DCity : TStringField;
    Suppliers_DPostalCode : TStringField;
    Suppliers_DCountryCode : TWideStringField;
    Suppliers_DHomePage : TMemoField;
    ClientOrders_D: TADOQuery;
    ClientOrders_P: TDataSetProvider;
    ClientOrders_DClientID : TIntegerField;
    ClientOrders_DClientName : TStringField;
    ClientOrders_DCity : TStringField;
    ClientOrders_DRegionName : TStringField;
    ClientOrders_DOrderID : TIntegerField;
    ClientOrders_DOrderDate : TDateField;
    ClientOrders_DRequiredDate : TDateField;
    ClientOrders_DFreight : TFMTBCDField;
    ClientOrders_DLastName : TStringField;
    OrderTotals_D: TADOQuery;
    OrderTotals_P: TDataSetProvider;
    OrderTotals_DOrderID : TIntegerField;
    OrderTotals_DOrderDate : TDateField;
    OrderTotals_DClientName : TStringField;
    OrderTotals_DInvoiceNumber : TIntegerField;
    OrderTotals_DInvoiceDate : TDateField;
    OrderTotals_DTotalAmount : TFMTBCDField;
    OrderTotals_DIsPaid : TBooleanField;

    procedure RemoteDataModuleCreate(Sender: TObject);
  private
  protected
    class procedure UpdateRegistry(Register: Boolean; const ClassID, ProgID: string); override;
  public
  end;

implementation

{$R *.dfm}

const
  JetDatabaseFile = 'Database.mdb';
  DataLinkFile = 'Database.udl';

class procedure TAppServer_RDM.UpdateRegistry(Register: Boolean; const ClassID, ProgID: string);
begin
  // Besides the COM registration, mark the class as reachable through the
  // socket server and httpsrvr.dll; both refuse classes without these entries.
  if Register then
  begin
    inherited UpdateRegistry(Register, ClassID, ProgID);
    EnableSocketTransport(ClassID);
    EnableWebTransport(ClassID);
  end
  else
  begin
    DisableSocketTransport(ClassID);
    DisableWebTransport(ClassID);
    inherited UpdateRegistry(Register, ClassID, ProgID);
  end;
end;

procedure TAppServer_RDM.RemoteDataModuleCreate(Sender: TObject);
var
  ExeDir: string;
begin
  // The database is deployed beside the server executable, so its location
  // is worked out here at run time. A path stored in the form file would
  // point at the developer's machine and break on the first deployment.
  ExeDir := ExtractFilePath(ParamStr(0));
  // A data link may name a database file beside the server by its name alone;
  // providers and ODBC drivers look for such a name in the current folder,
  // which for a server that COM starts is the Windows system folder.
  SetCurrentDir(ExeDir);
  DBConnection.Connected := False;
  if FileExists(ExeDir + JetDatabaseFile) then
    DBConnection.ConnectionString :=
      'Provider=Microsoft.Jet.OLEDB.4.0;Data Source=' + ExeDir + JetDatabaseFile +
      ';Persist Security Info=False'
  else
    // Any other database is described by a data link file. An administrator
    // can change it by double-clicking it in Explorer, without a rebuild.
    DBConnection.ConnectionString := 'FILE NAME=' + ExeDir + DataLinkFile;
end;

initialization
  // One instance of the remote data module per client connection; apartment
  // threading keeps ADO on the thread that created the connection.
  TComponentFactory.Create(ComServer, TAppServer_RDM,
    Class_AppServer_RDM, ciMultiInstance, tmApartment);
end.
