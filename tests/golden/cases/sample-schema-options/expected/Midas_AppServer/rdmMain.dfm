object AppServer_RDM: TAppServer_RDM
  OldCreateOrder = False
  OnCreate = RemoteDataModuleCreate
  Height = 320
  Width = 480
  object DBConnection: TADOConnection
    LoginPrompt = False
    Left = 40
    Top = 16
  end
  Object Categories_D: TADOQuery
    Connection = DBConnection
    SQL.Strings = ('select * from Categories')
    Parameters = <>
    Left = 100
    Top = 160
    Object Categories_DCategoryID: TAutoIncField
      DisplayLabel = 'CategoryID'
      FieldName = 'CategoryID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
    Object Categories_DCategoryName: TStringField
      DisplayLabel = 'CategoryName'
      FieldName = 'CategoryName'
      Required = True
      Size = 15
    end
    Object Categories_DDescription: TMemoField
      DisplayLabel = 'Description'
      FieldName = 'Description'
      BlobType = ftMemo
    end
    Object Categories_DSortOrder: TSmallintField
      DisplayLabel = 'SortOrder'
      FieldName = 'SortOrder'
    end
  end
  object Categories_P: TDataSetProvider
    DataSet = Categories_D
    Left = 100
    Top = 210
  end
  Object Employees_D: TADOQuery
    Connection = DBConnection
    SQL.Strings = ('select * from Employees')
    Parameters = <>
    Left = 200
    Top = 160
    Object Employees_DEmployeeID: TAutoIncField
      DisplayLabel = 'Employee'
      FieldName = 'EmployeeID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
    Object Employees_DLastName: TStringField
      DisplayLabel = 'Surname'
      FieldName = 'LastName'
      Required = True
      Size = 30
    end
    Object Employees_DFirstName: TStringField
      DisplayLabel = 'Forename'
      FieldName = 'FirstName'
      Required = True
      Size = 20
    end
    Object Employees_DTitle: TStringField
      DisplayLabel = 'Title'
      FieldName = 'Title'
      Size = 60
    end
    Object Employees_DBirthDate: TDateField
      DisplayLabel = 'BirthDate'
      FieldName = 'BirthDate'
    end
    Object Employees_DHireDate: TDateField
      DisplayLabel = 'Hired'
      FieldName = 'HireDate'
    end
    Object Employees_DReportsToID: TIntegerField
      DisplayLabel = 'ReportsToID'
      FieldName = 'ReportsToID'
    end
    Object Employees_DExtension: TSmallintField
      DisplayLabel = 'Extension'
      FieldName = 'Extension'
    end
    Object Employees_DPhoto: TBlobField
      DisplayLabel = 'Photo'
      FieldName = 'Photo'
    end
    Object Employees_DRemarks: TMemoField
      DisplayLabel = 'Remarks'
      FieldName = 'Remarks'
      BlobType = ftMemo
    end
  end
  object Employees_P: TDataSetProvider
    DataSet = Employees_D
    Left = 200
    Top = 210
  end
  Object Invoices_D: TADOQuery
    Connection = DBConnection
    SQL.Strings = ('select * from Invoices')
    Parameters = <>
    Left = 300
    Top = 160
    Object Invoices_DInvoiceID: TAutoIncField
      DisplayLabel = 'InvoiceID'
      FieldName = 'InvoiceID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
    Object Invoices_DOrderID: TIntegerField
      DisplayLabel = 'Order#'
      FieldName = 'OrderID'
      Required = True
    end
    Object Invoices_DInvoiceNumber: TIntegerField
      DisplayLabel = 'InvoiceNumber'
      FieldName = 'InvoiceNumber'
      Required = True
    end
    Object Invoices_DInvoiceDate: TDateField
      DisplayLabel = 'InvoiceDate'
      FieldName = 'InvoiceDate'
      Required = True
    end
    Object Invoices_DDueDate: TDateField
      DisplayLabel = 'DueDate'
      FieldName = 'DueDate'
    end
    Object Invoices_DTotalAmount: TFMTBCDField
      DisplayLabel = 'Total'
      FieldName = 'TotalAmount'
      Required = True
      Precision = 19
      Size = 4
    end
    Object Invoices_DTaxRate: TFloatField
      DisplayLabel = 'TaxRate'
      FieldName = 'TaxRate'
    end
    Object Invoices_DIsPaid: TBooleanField
      DisplayLabel = 'IsPaid'
      FieldName = 'IsPaid'
    end
    Object Invoices_DPdfDocument: TBlobField
      DisplayLabel = 'PdfDocument'
      FieldName = 'PdfDocument'
    end
  end
  object Invoices_P: TDataSetProvider
    DataSet = Invoices_D
    Left = 300
    Top = 210
  end
  Object OrderDetails_D: TADOQuery
    Connection = DBConnection
    SQL.Strings = ('select * from [Order Details]')
    Parameters = <>
    Left = 400
    Top = 160
    Object OrderDetails_DOrderID: TIntegerField
      DisplayLabel = 'Order#'
      FieldName = 'OrderID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
      Required = True
    end
    Object OrderDetails_DProductID: TIntegerField
      DisplayLabel = 'Product'
      FieldName = 'ProductID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
      Required = True
    end
    Object OrderDetails_DUnitPrice: TFMTBCDField
      DisplayLabel = 'Price'
      FieldName = 'UnitPrice'
      Required = True
      Precision = 19
      Size = 4
    end
    Object OrderDetails_DQuantity: TSmallintField
      DisplayLabel = 'Qty'
      FieldName = 'Quantity'
    end
    Object OrderDetails_DDiscount: TFloatField
      DisplayLabel = 'Rebate'
      FieldName = 'Discount'
    end
  end
  object OrderDetails_P: TDataSetProvider
    DataSet = OrderDetails_D
    Left = 400
    Top = 210
  end
  Object Orders_D: TADOQuery
    Connection = DBConnection
    SQL.Strings = ('select * from Orders')
    Parameters = <>
    Left = 500
    Top = 160
    Object Orders_DOrderID: TAutoIncField
      DisplayLabel = 'Order#'
      FieldName = 'OrderID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
    Object Orders_DClientID: TIntegerField
      DisplayLabel = 'Client#'
      FieldName = 'ClientID'
      Required = True
    end
    Object Orders_DEmployeeID: TIntegerField
      DisplayLabel = 'Employee'
      FieldName = 'EmployeeID'
    end
    Object Orders_DOrderDate: TDateField
      DisplayLabel = 'Ordered'
      FieldName = 'OrderDate'
      Required = True
    end
    Object Orders_DOrderTime: TTimeField
      DisplayLabel = 'OrderTime'
      FieldName = 'OrderTime'
    end
    Object Orders_DRequiredDate: TDateField
      DisplayLabel = 'Due'
      FieldName = 'RequiredDate'
    end
    Object Orders_DFreight: TFMTBCDField
      DisplayLabel = 'Carriage'
      FieldName = 'Freight'
      Precision = 19
      Size = 4
    end
    Object Orders_DShipName: TStringField
      DisplayLabel = 'ShipName'
      FieldName = 'ShipName'
      Size = 40
    end
    Object Orders_DShipAddress: TStringField
      DisplayLabel = 'ShipAddress'
      FieldName = 'ShipAddress'
      Size = 80
    end
    Object Orders_DShipCity: TStringField
      DisplayLabel = 'ShipCity'
      FieldName = 'ShipCity'
      Size = 30
    end
    Object Orders_DShipPostalCode: TStringField
      DisplayLabel = 'ShipPostalCode'
      FieldName = 'ShipPostalCode'
      Size = 10
    end
    Object Orders_DOrderGuid: TGuidField
      DisplayLabel = 'OrderGuid'
      FieldName = 'OrderGuid'
    end
    Object Orders_DCreatedAt: TDateTimeField
      DisplayLabel = 'CreatedAt'
      FieldName = 'CreatedAt'
    end
    Object Orders_DComments: TMemoField
      DisplayLabel = 'Comments'
      FieldName = 'Comments'
      BlobType = ftMemo
    end
  end
  object Orders_P: TDataSetProvider
    DataSet = Orders_D
    Left = 500
    Top = 210
  end
  Object Payments_D: TADOQuery
    Connection = DBConnection
    SQL.Strings = ('select * from Payments')
    Parameters = <>
    Left = 100
    Top = 300
    Object Payments_DPaymentID: TAutoIncField
      DisplayLabel = 'PaymentID'
      FieldName = 'PaymentID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
    Object Payments_DOrderID: TIntegerField
      DisplayLabel = 'Order#'
      FieldName = 'OrderID'
      Required = True
    end
    Object Payments_DPaidAt: TDateTimeField
      DisplayLabel = 'PaidAt'
      FieldName = 'PaidAt'
      Required = True
    end
    Object Payments_DAmount: TFMTBCDField
      DisplayLabel = 'Amount'
      FieldName = 'Amount'
      Required = True
      Precision = 19
      Size = 4
    end
    Object Payments_DPaymentMethod: TStringField
      DisplayLabel = 'PaymentMethod'
      FieldName = 'PaymentMethod'
      Size = 20
    end
    Object Payments_DCardLastDigits: TStringField
      DisplayLabel = 'CardLastDigits'
      FieldName = 'CardLastDigits'
      FixedChar = True
      Size = 4
    end
    Object Payments_DTransactionRef: TGuidField
      DisplayLabel = 'TransactionRef'
      FieldName = 'TransactionRef'
    end
    Object Payments_DBankReference: TLargeintField
      DisplayLabel = 'BankReference'
      FieldName = 'BankReference'
    end
  end
  object Payments_P: TDataSetProvider
    DataSet = Payments_D
    Left = 100
    Top = 350
  end
  Object Products_D: TADOQuery
    Connection = DBConnection
    SQL.Strings = ('select * from Products')
    Parameters = <>
    Left = 200
    Top = 300
    Object Products_DProductID: TAutoIncField
      DisplayLabel = 'Product'
      FieldName = 'ProductID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
    Object Products_DProductName: TStringField
      DisplayLabel = 'Article'
      FieldName = 'ProductName'
      Required = True
      Size = 40
    end
    Object Products_DSupplierID: TIntegerField
      DisplayLabel = 'SupplierID'
      FieldName = 'SupplierID'
    end
    Object Products_DCategoryID: TIntegerField
      DisplayLabel = 'CategoryID'
      FieldName = 'CategoryID'
    end
    Object Products_DQuantityPerUnit: TStringField
      DisplayLabel = 'QuantityPerUnit'
      FieldName = 'QuantityPerUnit'
      Size = 20
    end
    Object Products_DUnitPrice: TFMTBCDField
      DisplayLabel = 'Price'
      FieldName = 'UnitPrice'
      Precision = 19
      Size = 4
    end
    Object Products_DUnitsInStock: TSmallintField
      DisplayLabel = 'Stock'
      FieldName = 'UnitsInStock'
    end
    Object Products_DReorderLevel: TSmallintField
      DisplayLabel = 'ReorderLevel'
      FieldName = 'ReorderLevel'
    end
    Object Products_DDiscontinued: TBooleanField
      DisplayLabel = 'Withdrawn'
      FieldName = 'Discontinued'
    end
    Object Products_DWeightKg: TFloatField
      DisplayLabel = 'WeightKg'
      FieldName = 'WeightKg'
    end
    Object Products_DBarCode: TStringField
      DisplayLabel = 'BarCode'
      FieldName = 'BarCode'
      FixedChar = True
      Size = 13
    end
    Object Products_DPicture: TBlobField
      DisplayLabel = 'Picture'
      FieldName = 'Picture'
    end
  end
  object Products_P: TDataSetProvider
    DataSet = Products_D
    Left = 200
    Top = 350
  end
  Object Sales_Client_D: TADOQuery
    Connection = DBConnection
    SQL.Strings = ('select * from Sales_Client')
    Parameters = <>
    Left = 300
    Top = 300
    Object Sales_Client_DClientID: TAutoIncField
      DisplayLabel = 'Client#'
      FieldName = 'ClientID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
    Object Sales_Client_DClientName: TStringField
      DisplayLabel = 'Client'
      FieldName = 'ClientName'
      Required = True
      Size = 40
    end
    Object Sales_Client_DContactName: TWideStringField
      DisplayLabel = 'Contact'
      FieldName = 'ContactName'
      Size = 60
    end
    Object Sales_Client_DAddress: TStringField
      DisplayLabel = 'Address'
      FieldName = 'Address'
      Size = 80
    end
    Object Sales_Client_DCity: TStringField
      DisplayLabel = 'City'
      FieldName = 'City'
      Size = 30
    end
    Object Sales_Client_DPostalCode: TStringField
      DisplayLabel = 'Postcode'
      FieldName = 'PostalCode'
      Size = 10
    end
    Object Sales_Client_DCountryCode: TWideStringField
      DisplayLabel = 'Country'
      FieldName = 'CountryCode'
      FixedChar = True
      Size = 2
    end
    Object Sales_Client_DPhone: TStringField
      DisplayLabel = 'Phone'
      FieldName = 'Phone'
      Size = 24
    end
    Object Sales_Client_DRegionID: TIntegerField
      DisplayLabel = 'RegionID'
      FieldName = 'RegionID'
    end
    Object Sales_Client_DCreditLimit: TBCDField
      DisplayLabel = 'Credit'
      FieldName = 'CreditLimit'
      Precision = 19
      Size = 4
    end
    Object Sales_Client_DIsActive: TBooleanField
      DisplayLabel = 'Active'
      FieldName = 'IsActive'
    end
    Object Sales_Client_DClientSince: TDateField
      DisplayLabel = 'Since'
      FieldName = 'ClientSince'
    end
    Object Sales_Client_DNotes: TMemoField
      DisplayLabel = 'Notes'
      FieldName = 'Notes'
      BlobType = ftMemo
    end
  end
  object Sales_Client_P: TDataSetProvider
    DataSet = Sales_Client_D
    Left = 300
    Top = 350
  end
  Object Sales_Region_D: TADOQuery
    Connection = DBConnection
    SQL.Strings = ('select * from Sales_Region')
    Parameters = <>
    Left = 400
    Top = 300
    Object Sales_Region_DRegionID: TAutoIncField
      DisplayLabel = 'RegionID'
      FieldName = 'RegionID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
    Object Sales_Region_DRegionCode: TStringField
      DisplayLabel = 'RegionCode'
      FieldName = 'RegionCode'
      Required = True
      FixedChar = True
      Size = 3
    end
    Object Sales_Region_DRegionName: TStringField
      DisplayLabel = 'Region'
      FieldName = 'RegionName'
      Required = True
      Size = 40
    end
    Object Sales_Region_DDescription: TMemoField
      DisplayLabel = 'Description'
      FieldName = 'Description'
      BlobType = ftMemo
    end
  end
  object Sales_Region_P: TDataSetProvider
    DataSet = Sales_Region_D
    Left = 400
    Top = 350
  end
  Object Settings_D: TADOQuery
    Connection = DBConnection
    SQL.Strings = ('select * from Settings')
    Parameters = <>
    Left = 500
    Top = 300
    Object Settings_DSettingKey: TStringField
      DisplayLabel = 'SettingKey'
      FieldName = 'SettingKey'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
      Size = 40
    end
    Object Settings_DSettingValue: TWideStringField
      DisplayLabel = 'SettingValue'
      FieldName = 'SettingValue'
      Size = 120
    end
    Object Settings_DValueKind: TStringField
      DisplayLabel = 'ValueKind'
      FieldName = 'ValueKind'
      FixedChar = True
      Size = 1
    end
    Object Settings_DCounter: TLargeintField
      DisplayLabel = 'Counter'
      FieldName = 'Counter'
    end
    Object Settings_DModifiedAt: TDateTimeField
      DisplayLabel = 'ModifiedAt'
      FieldName = 'ModifiedAt'
    end
  end
  object Settings_P: TDataSetProvider
    DataSet = Settings_D
    Left = 500
    Top = 350
  end
  Object Shipments_D: TADOQuery
    Connection = DBConnection
    SQL.Strings = ('select * from Shipments')
    Parameters = <>
    Left = 100
    Top = 440
    Object Shipments_DShipmentID: TAutoIncField
      DisplayLabel = 'ShipmentID'
      FieldName = 'ShipmentID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
    Object Shipments_DOrderID: TIntegerField
      DisplayLabel = 'Order#'
      FieldName = 'OrderID'
      Required = True
    end
    Object Shipments_DCarrierName: TStringField
      DisplayLabel = 'CarrierName'
      FieldName = 'CarrierName'
      Size = 40
    end
    Object Shipments_DShippedDate: TDateField
      DisplayLabel = 'ShippedDate'
      FieldName = 'ShippedDate'
    end
    Object Shipments_DShippedTime: TTimeField
      DisplayLabel = 'ShippedTime'
      FieldName = 'ShippedTime'
    end
    Object Shipments_DTrackingCode: TStringField
      DisplayLabel = 'TrackingCode'
      FieldName = 'TrackingCode'
      Size = 30
    end
    Object Shipments_DGrossWeightKg: TFloatField
      DisplayLabel = 'GrossWeightKg'
      FieldName = 'GrossWeightKg'
    end
    Object Shipments_DDelivered: TBooleanField
      DisplayLabel = 'Delivered'
      FieldName = 'Delivered'
    end
    Object Shipments_DDeliveredAt: TDateTimeField
      DisplayLabel = 'DeliveredAt'
      FieldName = 'DeliveredAt'
    end
  end
  object Shipments_P: TDataSetProvider
    DataSet = Shipments_D
    Left = 100
    Top = 490
  end
  Object Suppliers_D: TADOQuery
    Connection = DBConnection
    SQL.Strings = ('select * from Suppliers')
    Parameters = <>
    Left = 200
    Top = 440
    Object Suppliers_DSupplierID: TAutoIncField
      DisplayLabel = 'SupplierID'
      FieldName = 'SupplierID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
    Object Suppliers_DCompanyName: TWideStringField
      DisplayLabel = 'CompanyName'
      FieldName = 'CompanyName'
      Required = True
      Size = 40
    end
    Object Suppliers_DContactName: TStringField
      DisplayLabel = 'Contact'
      FieldName = 'ContactName'
      Size = 30
    end
    Object Suppliers_DAddress: TStringField
      DisplayLabel = 'Address'
      FieldName = 'Address'
      Size = 80
    end
    Object Suppliers_DCity: TStringField
      DisplayLabel = 'City'
      FieldName = 'City'
      Size = 30
    end
    Object Suppliers_DPostalCode: TStringField
      DisplayLabel = 'Postcode'
      FieldName = 'PostalCode'
      Size = 10
    end
    Object Suppliers_DCountryCode: TWideStringField
      DisplayLabel = 'Country'
      FieldName = 'CountryCode'
      FixedChar = True
      Size = 2
    end
    Object Suppliers_DHomePage: TMemoField
      DisplayLabel = 'HomePage'
      FieldName = 'HomePage'
      BlobType = ftMemo
    end
  end
  object Suppliers_P: TDataSetProvider
    DataSet = Suppliers_D
    Left = 200
    Top = 490
  end
  Object ClientOrders_D: TADOQuery
    Connection = DBConnection
    SQL.Strings = ('select * from ClientOrders')
    Parameters = <>
    Left = 300
    Top = 440
    Object ClientOrders_DClientID: TIntegerField
      DisplayLabel = 'Client#'
      FieldName = 'ClientID'
    end
    Object ClientOrders_DClientName: TStringField
      DisplayLabel = 'Client'
      FieldName = 'ClientName'
      Size = 40
    end
    Object ClientOrders_DCity: TStringField
      DisplayLabel = 'City'
      FieldName = 'City'
      Size = 30
    end
    Object ClientOrders_DRegionName: TStringField
      DisplayLabel = 'Region'
      FieldName = 'RegionName'
      Size = 40
    end
    Object ClientOrders_DOrderID: TIntegerField
      DisplayLabel = 'Order#'
      FieldName = 'OrderID'
    end
    Object ClientOrders_DOrderDate: TDateField
      DisplayLabel = 'Ordered'
      FieldName = 'OrderDate'
    end
    Object ClientOrders_DRequiredDate: TDateField
      DisplayLabel = 'Due'
      FieldName = 'RequiredDate'
    end
    Object ClientOrders_DFreight: TFMTBCDField
      DisplayLabel = 'Carriage'
      FieldName = 'Freight'
      Precision = 19
      Size = 4
    end
    Object ClientOrders_DLastName: TStringField
      DisplayLabel = 'Surname'
      FieldName = 'LastName'
      Size = 30
    end
  end
  object ClientOrders_P: TDataSetProvider
    DataSet = ClientOrders_D
    Left = 300
    Top = 490
  end
  Object OrderTotals_D: TADOQuery
    Connection = DBConnection
    SQL.Strings = ('select * from OrderTotals')
    Parameters = <>
    Left = 400
    Top = 440
    Object OrderTotals_DOrderID: TIntegerField
      DisplayLabel = 'Order#'
      FieldName = 'OrderID'
    end
    Object OrderTotals_DOrderDate: TDateField
      DisplayLabel = 'Ordered'
      FieldName = 'OrderDate'
    end
    Object OrderTotals_DClientName: TStringField
      DisplayLabel = 'Client'
      FieldName = 'ClientName'
      Size = 40
    end
    Object OrderTotals_DInvoiceNumber: TIntegerField
      DisplayLabel = 'InvoiceNumber'
      FieldName = 'InvoiceNumber'
    end
    Object OrderTotals_DInvoiceDate: TDateField
      DisplayLabel = 'InvoiceDate'
      FieldName = 'InvoiceDate'
    end
    Object OrderTotals_DTotalAmount: TFMTBCDField
      DisplayLabel = 'Total'
      FieldName = 'TotalAmount'
      Precision = 19
      Size = 4
    end
    Object OrderTotals_DIsPaid: TBooleanField
      DisplayLabel = 'IsPaid'
      FieldName = 'IsPaid'
    end
  end
  object OrderTotals_P: TDataSetProvider
    DataSet = OrderTotals_D
    Left = 400
    Top = 490
  end
end
