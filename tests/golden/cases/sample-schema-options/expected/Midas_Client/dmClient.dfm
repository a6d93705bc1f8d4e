object DM: TDM
  OldCreateOrder = False
  OnCreate = DataModuleCreate
  Height = 360
  Width = 520
  object DBConnectionBroker: TConnectionBroker
    Connection = DCOMConnection
    Left = 48
    Top = 16
  end
  object DCOMConnection: TDCOMConnection
    ServerName = 'Midas_AppServer.AppServer_RDM'
    Left = 168
    Top = 16
  end
  object SocketConnection: TSocketConnection
    ServerName = 'Midas_AppServer.AppServer_RDM'
    Host = 'localhost'
    Left = 288
    Top = 16
  end
  object WebConnection: TWebConnection
    ServerName = 'Midas_AppServer.AppServer_RDM'
    URL = 'http://localhost/scripts/httpsrvr.dll'
    Left = 408
    Top = 16
  end
  object Categories_CDS: TClientDataSet
    Aggregates = <>
    ConnectionBroker = DBConnectionBroker
    Params = <>
    ProviderName = 'Categories_P'
    Left = 100
    Top = 160
    Object Categories_CDSCategoryID: TAutoIncField
      DisplayLabel = 'CategoryID'
      FieldName = 'CategoryID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
    Object Categories_CDSCategoryName: TStringField
      DisplayLabel = 'CategoryName'
      FieldName = 'CategoryName'
      Required = True
      Size = 15
    end
    Object Categories_CDSDescription: TMemoField
      DisplayLabel = 'Description'
      FieldName = 'Description'
      BlobType = ftMemo
    end
    Object Categories_CDSSortOrder: TSmallintField
      DisplayLabel = 'SortOrder'
      FieldName = 'SortOrder'
    end
  end
  object Categories_DS: TDataSource
    DataSet = Categories_CDS
    Left = 100
    Top = 210
  end
  object Employees_CDS: TClientDataSet
    Aggregates = <>
    ConnectionBroker = DBConnectionBroker
    Params = <>
    ProviderName = 'Employees_P'
    Left = 200
    Top = 160
    Object Employees_CDSEmployeeID: TAutoIncField
      DisplayLabel = 'Employee'
      FieldName = 'EmployeeID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
    Object Employees_CDSLastName: TStringField
      DisplayLabel = 'Surname'
      FieldName = 'LastName'
      Required = True
      Size = 30
    end
    Object Employees_CDSFirstName: TStringField
      DisplayLabel = 'Forename'
      FieldName = 'FirstName'
      Required = True
      Size = 20
    end
    Object Employees_CDSTitle: TStringField
      DisplayLabel = 'Title'
      FieldName = 'Title'
      Size = 60
    end
    Object Employees_CDSBirthDate: TDateField
      DisplayLabel = 'BirthDate'
      FieldName = 'BirthDate'
      DisplayFormat = 'MM/DD/YYYY'
    end
    Object Employees_CDSHireDate: TDateField
      DisplayLabel = 'Hired'
      FieldName = 'HireDate'
      DisplayFormat = 'MM/DD/YYYY'
    end
    Object Employees_CDSReportsToID: TIntegerField
      DisplayLabel = 'ReportsToID'
      FieldName = 'ReportsToID'
    end
    Object Employees_CDSExtension: TSmallintField
      DisplayLabel = 'Extension'
      FieldName = 'Extension'
    end
    Object Employees_CDSPhoto: TBlobField
      DisplayLabel = 'Photo'
      FieldName = 'Photo'
    end
    Object Employees_CDSRemarks: TMemoField
      DisplayLabel = 'Remarks'
      FieldName = 'Remarks'
      BlobType = ftMemo
    end
  end
  object Employees_DS: TDataSource
    DataSet = Employees_CDS
    Left = 200
    Top = 210
  end
  object Invoices_CDS: TClientDataSet
    Aggregates = <>
    ConnectionBroker = DBConnectionBroker
    Params = <>
    ProviderName = 'Invoices_P'
    Left = 300
    Top = 160
    Object Invoices_CDSInvoiceID: TAutoIncField
      DisplayLabel = 'InvoiceID'
      FieldName = 'InvoiceID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
    Object Invoices_CDSOrderID: TIntegerField
      DisplayLabel = 'Order#'
      FieldName = 'OrderID'
      Required = True
    end
    Object Invoices_CDSInvoiceNumber: TIntegerField
      DisplayLabel = 'InvoiceNumber'
      FieldName = 'InvoiceNumber'
      Required = True
    end
    Object Invoices_CDSInvoiceDate: TDateField
      DisplayLabel = 'InvoiceDate'
      FieldName = 'InvoiceDate'
      DisplayFormat = 'MM/DD/YYYY'
      Required = True
    end
    Object Invoices_CDSDueDate: TDateField
      DisplayLabel = 'DueDate'
      FieldName = 'DueDate'
      DisplayFormat = 'MM/DD/YYYY'
    end
    Object Invoices_CDSTotalAmount: TFMTBCDField
      DisplayLabel = 'Total'
      FieldName = 'TotalAmount'
      DisplayFormat = '#.00,'
      Required = True
      Precision = 19
      Size = 4
    end
    Object Invoices_CDSTaxRate: TFloatField
      DisplayLabel = 'TaxRate'
      FieldName = 'TaxRate'
      DisplayFormat = '#.00,'
    end
    Object Invoices_CDSIsPaid: TBooleanField
      DisplayLabel = 'IsPaid'
      FieldName = 'IsPaid'
    end
    Object Invoices_CDSPdfDocument: TBlobField
      DisplayLabel = 'PdfDocument'
      FieldName = 'PdfDocument'
    end
  end
  object Invoices_DS: TDataSource
    DataSet = Invoices_CDS
    Left = 300
    Top = 210
  end
  object OrderDetails_CDS: TClientDataSet
    Aggregates = <>
    ConnectionBroker = DBConnectionBroker
    Params = <>
    ProviderName = 'OrderDetails_P'
    Left = 400
    Top = 160
    Object OrderDetails_CDSOrderID: TIntegerField
      DisplayLabel = 'Order#'
      FieldName = 'OrderID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
      Required = True
    end
    Object OrderDetails_CDSProductID: TIntegerField
      DisplayLabel = 'Product'
      FieldName = 'ProductID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
      Required = True
    end
    Object OrderDetails_CDSUnitPrice: TFMTBCDField
      DisplayLabel = 'Price'
      FieldName = 'UnitPrice'
      DisplayFormat = '#.00,'
      Required = True
      Precision = 19
      Size = 4
    end
    Object OrderDetails_CDSQuantity: TSmallintField
      DisplayLabel = 'Qty'
      FieldName = 'Quantity'
    end
    Object OrderDetails_CDSDiscount: TFloatField
      DisplayLabel = 'Rebate'
      FieldName = 'Discount'
      DisplayFormat = '#.00,'
    end
  end
  object OrderDetails_DS: TDataSource
    DataSet = OrderDetails_CDS
    Left = 400
    Top = 210
  end
  object Orders_CDS: TClientDataSet
    Aggregates = <>
    ConnectionBroker = DBConnectionBroker
    Params = <>
    ProviderName = 'Orders_P'
    Left = 500
    Top = 160
    Object Orders_CDSOrderID: TAutoIncField
      DisplayLabel = 'Order#'
      FieldName = 'OrderID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
    Object Orders_CDSClientID: TIntegerField
      DisplayLabel = 'Client#'
      FieldName = 'ClientID'
      Required = True
    end
    Object Orders_CDSEmployeeID: TIntegerField
      DisplayLabel = 'Employee'
      FieldName = 'EmployeeID'
    end
    Object Orders_CDSOrderDate: TDateField
      DisplayLabel = 'Ordered'
      FieldName = 'OrderDate'
      DisplayFormat = 'MM/DD/YYYY'
      Required = True
    end
    Object Orders_CDSOrderTime: TTimeField
      DisplayLabel = 'OrderTime'
      FieldName = 'OrderTime'
    end
    Object Orders_CDSRequiredDate: TDateField
      DisplayLabel = 'Due'
      FieldName = 'RequiredDate'
      DisplayFormat = 'MM/DD/YYYY'
    end
    Object Orders_CDSFreight: TFMTBCDField
      DisplayLabel = 'Carriage'
      FieldName = 'Freight'
      DisplayFormat = '#.00,'
      Precision = 19
      Size = 4
    end
    Object Orders_CDSShipName: TStringField
      DisplayLabel = 'ShipName'
      FieldName = 'ShipName'
      Size = 40
    end
    Object Orders_CDSShipAddress: TStringField
      DisplayLabel = 'ShipAddress'
      FieldName = 'ShipAddress'
      Size = 80
    end
    Object Orders_CDSShipCity: TStringField
      DisplayLabel = 'ShipCity'
      FieldName = 'ShipCity'
      Size = 30
    end
    Object Orders_CDSShipPostalCode: TStringField
      DisplayLabel = 'ShipPostalCode'
      FieldName = 'ShipPostalCode'
      Size = 10
    end
    Object Orders_CDSOrderGuid: TGuidField
      DisplayLabel = 'OrderGuid'
      FieldName = 'OrderGuid'
    end
    Object Orders_CDSCreatedAt: TDateTimeField
      DisplayLabel = 'CreatedAt'
      FieldName = 'CreatedAt'
      DisplayFormat = 'MM/DD/YYYY'
    end
    Object Orders_CDSComments: TMemoField
      DisplayLabel = 'Comments'
      FieldName = 'Comments'
      BlobType = ftMemo
    end
  end
  object Orders_DS: TDataSource
    DataSet = Orders_CDS
    Left = 500
    Top = 210
  end
  object Payments_CDS: TClientDataSet
    Aggregates = <>
    ConnectionBroker = DBConnectionBroker
    Params = <>
    ProviderName = 'Payments_P'
    Left = 100
    Top = 300
    Object Payments_CDSPaymentID: TAutoIncField
      DisplayLabel = 'PaymentID'
      FieldName = 'PaymentID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
    Object Payments_CDSOrderID: TIntegerField
      DisplayLabel = 'Order#'
      FieldName = 'OrderID'
      Required = True
    end
    Object Payments_CDSPaidAt: TDateTimeField
      DisplayLabel = 'PaidAt'
      FieldName = 'PaidAt'
      DisplayFormat = 'MM/DD/YYYY'
      Required = True
    end
    Object Payments_CDSAmount: TFMTBCDField
      DisplayLabel = 'Amount'
      FieldName = 'Amount'
      DisplayFormat = '#.00,'
      Required = True
      Precision = 19
      Size = 4
    end
    Object Payments_CDSPaymentMethod: TStringField
      DisplayLabel = 'PaymentMethod'
      FieldName = 'PaymentMethod'
      Size = 20
    end
    Object Payments_CDSCardLastDigits: TStringField
      DisplayLabel = 'CardLastDigits'
      FieldName = 'CardLastDigits'
      FixedChar = True
      Size = 4
    end
    Object Payments_CDSTransactionRef: TGuidField
      DisplayLabel = 'TransactionRef'
      FieldName = 'TransactionRef'
    end
    Object Payments_CDSBankReference: TLargeintField
      DisplayLabel = 'BankReference'
      FieldName = 'BankReference'
    end
  end
  object Payments_DS: TDataSource
    DataSet = Payments_CDS
    Left = 100
    Top = 350
  end
  object Products_CDS: TClientDataSet
    Aggregates = <>
    ConnectionBroker = DBConnectionBroker
    Params = <>
    ProviderName = 'Products_P'
    Left = 200
    Top = 300
    Object Products_CDSProductID: TAutoIncField
      DisplayLabel = 'Product'
      FieldName = 'ProductID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
    Object Products_CDSProductName: TStringField
      DisplayLabel = 'Article'
      FieldName = 'ProductName'
      Required = True
      Size = 40
    end
    Object Products_CDSSupplierID: TIntegerField
      DisplayLabel = 'SupplierID'
      FieldName = 'SupplierID'
    end
    Object Products_CDSCategoryID: TIntegerField
      DisplayLabel = 'CategoryID'
      FieldName = 'CategoryID'
    end
    Object Products_CDSQuantityPerUnit: TStringField
      DisplayLabel = 'QuantityPerUnit'
      FieldName = 'QuantityPerUnit'
      Size = 20
    end
    Object Products_CDSUnitPrice: TFMTBCDField
      DisplayLabel = 'Price'
      FieldName = 'UnitPrice'
      DisplayFormat = '#.00,'
      Precision = 19
      Size = 4
    end
    Object Products_CDSUnitsInStock: TSmallintField
      DisplayLabel = 'Stock'
      FieldName = 'UnitsInStock'
    end
    Object Products_CDSReorderLevel: TSmallintField
      DisplayLabel = 'ReorderLevel'
      FieldName = 'ReorderLevel'
    end
    Object Products_CDSDiscontinued: TBooleanField
      DisplayLabel = 'Withdrawn'
      FieldName = 'Discontinued'
    end
    Object Products_CDSWeightKg: TFloatField
      DisplayLabel = 'WeightKg'
      FieldName = 'WeightKg'
      DisplayFormat = '#.00,'
    end
    Object Products_CDSBarCode: TStringField
      DisplayLabel = 'BarCode'
      FieldName = 'BarCode'
      FixedChar = True
      Size = 13
    end
    Object Products_CDSPicture: TBlobField
      DisplayLabel = 'Picture'
      FieldName = 'Picture'
    end
  end
  object Products_DS: TDataSource
    DataSet = Products_CDS
    Left = 200
    Top = 350
  end
  object Sales_Client_CDS: TClientDataSet
    Aggregates = <>
    ConnectionBroker = DBConnectionBroker
    Params = <>
    ProviderName = 'Sales_Client_P'
    Left = 300
    Top = 300
    Object Sales_Client_CDSClientID: TAutoIncField
      DisplayLabel = 'Client#'
      FieldName = 'ClientID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
    Object Sales_Client_CDSClientName: TStringField
      DisplayLabel = 'Client'
      FieldName = 'ClientName'
      Required = True
      Size = 40
    end
    Object Sales_Client_CDSContactName: TWideStringField
      DisplayLabel = 'Contact'
      FieldName = 'ContactName'
      Size = 60
    end
    Object Sales_Client_CDSAddress: TStringField
      DisplayLabel = 'Address'
      FieldName = 'Address'
      Size = 80
    end
    Object Sales_Client_CDSCity: TStringField
      DisplayLabel = 'City'
      FieldName = 'City'
      Size = 30
    end
    Object Sales_Client_CDSPostalCode: TStringField
      DisplayLabel = 'Postcode'
      FieldName = 'PostalCode'
      Size = 10
    end
    Object Sales_Client_CDSCountryCode: TWideStringField
      DisplayLabel = 'Country'
      FieldName = 'CountryCode'
      FixedChar = True
      Size = 2
    end
    Object Sales_Client_CDSPhone: TStringField
      DisplayLabel = 'Phone'
      FieldName = 'Phone'
      Size = 24
    end
    Object Sales_Client_CDSRegionID: TIntegerField
      DisplayLabel = 'RegionID'
      FieldName = 'RegionID'
    end
    Object Sales_Client_CDSCreditLimit: TBCDField
      DisplayLabel = 'Credit'
      FieldName = 'CreditLimit'
      DisplayFormat = '#.00,'
      Precision = 19
      Size = 4
    end
    Object Sales_Client_CDSIsActive: TBooleanField
      DisplayLabel = 'Active'
      FieldName = 'IsActive'
    end
    Object Sales_Client_CDSClientSince: TDateField
      DisplayLabel = 'Since'
      FieldName = 'ClientSince'
      DisplayFormat = 'MM/DD/YYYY'
    end
    Object Sales_Client_CDSNotes: TMemoField
      DisplayLabel = 'Notes'
      FieldName = 'Notes'
      BlobType = ftMemo
    end
  end
  object Sales_Client_DS: TDataSource
    DataSet = Sales_Client_CDS
    Left = 300
    Top = 350
  end
  object Sales_Region_CDS: TClientDataSet
    Aggregates = <>
    ConnectionBroker = DBConnectionBroker
    Params = <>
    ProviderName = 'Sales_Region_P'
    Left = 400
    Top = 300
    Object Sales_Region_CDSRegionID: TAutoIncField
      DisplayLabel = 'RegionID'
      FieldName = 'RegionID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
    Object Sales_Region_CDSRegionCode: TStringField
      DisplayLabel = 'RegionCode'
      FieldName = 'RegionCode'
      Required = True
      FixedChar = True
      Size = 3
    end
    Object Sales_Region_CDSRegionName: TStringField
      DisplayLabel = 'Region'
      FieldName = 'RegionName'
      Required = True
      Size = 40
    end
    Object Sales_Region_CDSDescription: TMemoField
      DisplayLabel = 'Description'
      FieldName = 'Description'
      BlobType = ftMemo
    end
  end
  object Sales_Region_DS: TDataSource
    DataSet = Sales_Region_CDS
    Left = 400
    Top = 350
  end
  object Settings_CDS: TClientDataSet
    Aggregates = <>
    ConnectionBroker = DBConnectionBroker
    Params = <>
    ProviderName = 'Settings_P'
    Left = 500
    Top = 300
    Object Settings_CDSSettingKey: TStringField
      DisplayLabel = 'SettingKey'
      FieldName = 'SettingKey'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
      Size = 40
    end
    Object Settings_CDSSettingValue: TWideStringField
      DisplayLabel = 'SettingValue'
      FieldName = 'SettingValue'
      Size = 120
    end
    Object Settings_CDSValueKind: TStringField
      DisplayLabel = 'ValueKind'
      FieldName = 'ValueKind'
      FixedChar = True
      Size = 1
    end
    Object Settings_CDSCounter: TLargeintField
      DisplayLabel = 'Counter'
      FieldName = 'Counter'
    end
    Object Settings_CDSModifiedAt: TDateTimeField
      DisplayLabel = 'ModifiedAt'
      FieldName = 'ModifiedAt'
      DisplayFormat = 'MM/DD/YYYY'
    end
  end
  object Settings_DS: TDataSource
    DataSet = Settings_CDS
    Left = 500
    Top = 350
  end
  object Shipments_CDS: TClientDataSet
    Aggregates = <>
    ConnectionBroker = DBConnectionBroker
    Params = <>
    ProviderName = 'Shipments_P'
    Left = 100
    Top = 440
    Object Shipments_CDSShipmentID: TAutoIncField
      DisplayLabel = 'ShipmentID'
      FieldName = 'ShipmentID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
    Object Shipments_CDSOrderID: TIntegerField
      DisplayLabel = 'Order#'
      FieldName = 'OrderID'
      Required = True
    end
    Object Shipments_CDSCarrierName: TStringField
      DisplayLabel = 'CarrierName'
      FieldName = 'CarrierName'
      Size = 40
    end
    Object Shipments_CDSShippedDate: TDateField
      DisplayLabel = 'ShippedDate'
      FieldName = 'ShippedDate'
      DisplayFormat = 'MM/DD/YYYY'
    end
    Object Shipments_CDSShippedTime: TTimeField
      DisplayLabel = 'ShippedTime'
      FieldName = 'ShippedTime'
    end
    Object Shipments_CDSTrackingCode: TStringField
      DisplayLabel = 'TrackingCode'
      FieldName = 'TrackingCode'
      Size = 30
    end
    Object Shipments_CDSGrossWeightKg: TFloatField
      DisplayLabel = 'GrossWeightKg'
      FieldName = 'GrossWeightKg'
      DisplayFormat = '#.00,'
    end
    Object Shipments_CDSDelivered: TBooleanField
      DisplayLabel = 'Delivered'
      FieldName = 'Delivered'
    end
    Object Shipments_CDSDeliveredAt: TDateTimeField
      DisplayLabel = 'DeliveredAt'
      FieldName = 'DeliveredAt'
      DisplayFormat = 'MM/DD/YYYY'
    end
  end
  object Shipments_DS: TDataSource
    DataSet = Shipments_CDS
    Left = 100
    Top = 490
  end
  object Suppliers_CDS: TClientDataSet
    Aggregates = <>
    ConnectionBroker = DBConnectionBroker
    Params = <>
    ProviderName = 'Suppliers_P'
    Left = 200
    Top = 440
    Object Suppliers_CDSSupplierID: TAutoIncField
      DisplayLabel = 'SupplierID'
      FieldName = 'SupplierID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
    Object Suppliers_CDSCompanyName: TWideStringField
      DisplayLabel = 'CompanyName'
      FieldName = 'CompanyName'
      Required = True
      Size = 40
    end
    Object Suppliers_CDSContactName: TStringField
      DisplayLabel = 'Contact'
      FieldName = 'ContactName'
      Size = 30
    end
    Object Suppliers_CDSAddress: TStringField
      DisplayLabel = 'Address'
      FieldName = 'Address'
      Size = 80
    end
    Object Suppliers_CDSCity: TStringField
      DisplayLabel = 'City'
      FieldName = 'City'
      Size = 30
    end
    Object Suppliers_CDSPostalCode: TStringField
      DisplayLabel = 'Postcode'
      FieldName = 'PostalCode'
      Size = 10
    end
    Object Suppliers_CDSCountryCode: TWideStringField
      DisplayLabel = 'Country'
      FieldName = 'CountryCode'
      FixedChar = True
      Size = 2
    end
    Object Suppliers_CDSHomePage: TMemoField
      DisplayLabel = 'HomePage'
      FieldName = 'HomePage'
      BlobType = ftMemo
    end
  end
  object Suppliers_DS: TDataSource
    DataSet = Suppliers_CDS
    Left = 200
    Top = 490
  end
  object ClientOrders_CDS: TClientDataSet
    Aggregates = <>
    ConnectionBroker = DBConnectionBroker
    Params = <>
    ProviderName = 'ClientOrders_P'
    Left = 300
    Top = 440
    Object ClientOrders_CDSClientID: TIntegerField
      DisplayLabel = 'Client#'
      FieldName = 'ClientID'
    end
    Object ClientOrders_CDSClientName: TStringField
      DisplayLabel = 'Client'
      FieldName = 'ClientName'
      Size = 40
    end
    Object ClientOrders_CDSCity: TStringField
      DisplayLabel = 'City'
      FieldName = 'City'
      Size = 30
    end
    Object ClientOrders_CDSRegionName: TStringField
      DisplayLabel = 'Region'
      FieldName = 'RegionName'
      Size = 40
    end
    Object ClientOrders_CDSOrderID: TIntegerField
      DisplayLabel = 'Order#'
      FieldName = 'OrderID'
    end
    Object ClientOrders_CDSOrderDate: TDateField
      DisplayLabel = 'Ordered'
      FieldName = 'OrderDate'
      DisplayFormat = 'MM/DD/YYYY'
    end
    Object ClientOrders_CDSRequiredDate: TDateField
      DisplayLabel = 'Due'
      FieldName = 'RequiredDate'
      DisplayFormat = 'MM/DD/YYYY'
    end
    Object ClientOrders_CDSFreight: TFMTBCDField
      DisplayLabel = 'Carriage'
      FieldName = 'Freight'
      DisplayFormat = '#.00,'
      Precision = 19
      Size = 4
    end
    Object ClientOrders_CDSLastName: TStringField
      DisplayLabel = 'Surname'
      FieldName = 'LastName'
      Size = 30
    end
  end
  object ClientOrders_DS: TDataSource
    DataSet = ClientOrders_CDS
    Left = 300
    Top = 490
  end
  object OrderTotals_CDS: TClientDataSet
    Aggregates = <>
    ConnectionBroker = DBConnectionBroker
    Params = <>
    ProviderName = 'OrderTotals_P'
    Left = 400
    Top = 440
    Object OrderTotals_CDSOrderID: TIntegerField
      DisplayLabel = 'Order#'
      FieldName = 'OrderID'
    end
    Object OrderTotals_CDSOrderDate: TDateField
      DisplayLabel = 'Ordered'
      FieldName = 'OrderDate'
      DisplayFormat = 'MM/DD/YYYY'
    end
    Object OrderTotals_CDSClientName: TStringField
      DisplayLabel = 'Client'
      FieldName = 'ClientName'
      Size = 40
    end
    Object OrderTotals_CDSInvoiceNumber: TIntegerField
      DisplayLabel = 'InvoiceNumber'
      FieldName = 'InvoiceNumber'
    end
    Object OrderTotals_CDSInvoiceDate: TDateField
      DisplayLabel = 'InvoiceDate'
      FieldName = 'InvoiceDate'
      DisplayFormat = 'MM/DD/YYYY'
    end
    Object OrderTotals_CDSTotalAmount: TFMTBCDField
      DisplayLabel = 'Total'
      FieldName = 'TotalAmount'
      DisplayFormat = '#.00,'
      Precision = 19
      Size = 4
    end
    Object OrderTotals_CDSIsPaid: TBooleanField
      DisplayLabel = 'IsPaid'
      FieldName = 'IsPaid'
    end
  end
  object OrderTotals_DS: TDataSource
    DataSet = OrderTotals_CDS
    Left = 400
    Top = 490
  end
end
