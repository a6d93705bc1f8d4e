object TableGrids_Frm: TTableGrids_Frm
  Left = 220
  Top = 120
  Width = 800
  Height = 560
  Caption = 'All Tables'
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Tahoma'
  Font.Style = []
  OldCreateOrder = False
  Position = poDefaultPosOnly
  OnCloseQuery = FormCloseQuery
  OnShow = FormShow
  PixelsPerInch = 96
  TextHeight = 13
  object PC: TPageControl
    Left = 24
    Top = 24
    Width = 800
    Height = 600
    TabOrder = 0
  Object Categories_TS : TTabSheet
    Caption = 'Categories'
    object Categories_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.Categories_DS
      TabOrder = 0
    end
    object Categories_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 600
      Height = 300
      DataSource = DM.Categories_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'CategoryID'
          Title.Caption = 'Category ID'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'CategoryName'
          Title.Caption = 'Category Name'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Description'
          Title.Caption = 'Description'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'SortOrder'
          Title.Caption = 'Sort Order'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
  end
  Object Employees_TS : TTabSheet
    Caption = 'Employees'
    object Employees_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.Employees_DS
      TabOrder = 0
    end
    object Employees_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 600
      Height = 300
      DataSource = DM.Employees_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'EmployeeID'
          Title.Caption = 'Employee'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'LastName'
          Title.Caption = 'Surname'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'FirstName'
          Title.Caption = 'Forename'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Title'
          Title.Caption = 'Title'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'BirthDate'
          Title.Caption = 'Birth Date'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'HireDate'
          Title.Caption = 'Hired'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'ReportsToID'
          Title.Caption = 'Reports To ID'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Extension'
          Title.Caption = 'Extension'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Photo'
          Title.Caption = 'Photo'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Remarks'
          Title.Caption = 'Remarks'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
  end
  Object Invoices_TS : TTabSheet
    Caption = 'Invoices'
    object Invoices_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.Invoices_DS
      TabOrder = 0
    end
    object Invoices_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 600
      Height = 300
      DataSource = DM.Invoices_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'InvoiceID'
          Title.Caption = 'Invoice ID'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'OrderID'
          Title.Caption = 'Order#'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'InvoiceNumber'
          Title.Caption = 'Invoice Number'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'InvoiceDate'
          Title.Caption = 'Invoice Date'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'DueDate'
          Title.Caption = 'Due Date'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'TotalAmount'
          Title.Caption = 'Total'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'TaxRate'
          Title.Caption = 'Tax Rate'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'IsPaid'
          Title.Caption = 'Is Paid'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'PdfDocument'
          Title.Caption = 'Pdf Document'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
  end
  Object OrderDetails_TS : TTabSheet
    Caption = 'OrderDetails'
    object OrderDetails_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.OrderDetails_DS
      TabOrder = 0
    end
    object OrderDetails_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 600
      Height = 300
      DataSource = DM.OrderDetails_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'OrderID'
          Title.Caption = 'Order#'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'ProductID'
          Title.Caption = 'Product'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'UnitPrice'
          Title.Caption = 'Price'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Quantity'
          Title.Caption = 'Qty'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Discount'
          Title.Caption = 'Rebate'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
  end
  Object Orders_TS : TTabSheet
    Caption = 'Orders'
    object Orders_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.Orders_DS
      TabOrder = 0
    end
    object Orders_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 600
      Height = 300
      DataSource = DM.Orders_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'OrderID'
          Title.Caption = 'Order#'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'ClientID'
          Title.Caption = 'Client#'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'EmployeeID'
          Title.Caption = 'Employee'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'OrderDate'
          Title.Caption = 'Ordered'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'OrderTime'
          Title.Caption = 'Order Time'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'RequiredDate'
          Title.Caption = 'Due'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Freight'
          Title.Caption = 'Carriage'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'ShipName'
          Title.Caption = 'Ship Name'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'ShipAddress'
          Title.Caption = 'Ship Address'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'ShipCity'
          Title.Caption = 'Ship City'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'ShipPostalCode'
          Title.Caption = 'Ship Postal Code'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'OrderGuid'
          Title.Caption = 'Order Guid'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'CreatedAt'
          Title.Caption = 'Created At'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Comments'
          Title.Caption = 'Comments'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
  end
  Object Payments_TS : TTabSheet
    Caption = 'Payments'
    object Payments_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.Payments_DS
      TabOrder = 0
    end
    object Payments_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 600
      Height = 300
      DataSource = DM.Payments_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'PaymentID'
          Title.Caption = 'Payment ID'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'OrderID'
          Title.Caption = 'Order#'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'PaidAt'
          Title.Caption = 'Paid At'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Amount'
          Title.Caption = 'Amount'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'PaymentMethod'
          Title.Caption = 'Payment Method'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'CardLastDigits'
          Title.Caption = 'Card Last Digits'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'TransactionRef'
          Title.Caption = 'Transaction Ref'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'BankReference'
          Title.Caption = 'Bank Reference'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
  end
  Object Products_TS : TTabSheet
    Caption = 'Products'
    object Products_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.Products_DS
      TabOrder = 0
    end
    object Products_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 600
      Height = 300
      DataSource = DM.Products_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'ProductID'
          Title.Caption = 'Product'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'ProductName'
          Title.Caption = 'Article'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'SupplierID'
          Title.Caption = 'Supplier ID'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'CategoryID'
          Title.Caption = 'Category ID'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'QuantityPerUnit'
          Title.Caption = 'Quantity Per Unit'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'UnitPrice'
          Title.Caption = 'Price'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'UnitsInStock'
          Title.Caption = 'Stock'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'ReorderLevel'
          Title.Caption = 'Reorder Level'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Discontinued'
          Title.Caption = 'Withdrawn'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'WeightKg'
          Title.Caption = 'Weight Kg'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'BarCode'
          Title.Caption = 'Bar Code'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Picture'
          Title.Caption = 'Picture'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
  end
  Object Sales_Client_TS : TTabSheet
    Caption = 'Sales_Client'
    object Sales_Client_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.Sales_Client_DS
      TabOrder = 0
    end
    object Sales_Client_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 600
      Height = 300
      DataSource = DM.Sales_Client_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'ClientID'
          Title.Caption = 'Client#'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'ClientName'
          Title.Caption = 'Client'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'ContactName'
          Title.Caption = 'Contact'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Address'
          Title.Caption = 'Address'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'City'
          Title.Caption = 'City'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'PostalCode'
          Title.Caption = 'Postcode'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'CountryCode'
          Title.Caption = 'Country'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Phone'
          Title.Caption = 'Phone'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'RegionID'
          Title.Caption = 'Region ID'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'CreditLimit'
          Title.Caption = 'Credit'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'IsActive'
          Title.Caption = 'Active'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'ClientSince'
          Title.Caption = 'Since'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Notes'
          Title.Caption = 'Notes'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
  end
  Object Sales_Region_TS : TTabSheet
    Caption = 'Sales_Region'
    object Sales_Region_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.Sales_Region_DS
      TabOrder = 0
    end
    object Sales_Region_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 600
      Height = 300
      DataSource = DM.Sales_Region_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'RegionID'
          Title.Caption = 'Region ID'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'RegionCode'
          Title.Caption = 'Region Code'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'RegionName'
          Title.Caption = 'Region'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Description'
          Title.Caption = 'Description'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
  end
  Object Settings_TS : TTabSheet
    Caption = 'Settings'
    object Settings_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.Settings_DS
      TabOrder = 0
    end
    object Settings_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 600
      Height = 300
      DataSource = DM.Settings_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'SettingKey'
          Title.Caption = 'Setting Key'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'SettingValue'
          Title.Caption = 'Setting Value'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'ValueKind'
          Title.Caption = 'Value Kind'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Counter'
          Title.Caption = 'Counter'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'ModifiedAt'
          Title.Caption = 'Modified At'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
  end
  Object Shipments_TS : TTabSheet
    Caption = 'Shipments'
    object Shipments_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.Shipments_DS
      TabOrder = 0
    end
    object Shipments_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 600
      Height = 300
      DataSource = DM.Shipments_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'ShipmentID'
          Title.Caption = 'Shipment ID'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'OrderID'
          Title.Caption = 'Order#'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'CarrierName'
          Title.Caption = 'Carrier Name'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'ShippedDate'
          Title.Caption = 'Shipped Date'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'ShippedTime'
          Title.Caption = 'Shipped Time'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'TrackingCode'
          Title.Caption = 'Tracking Code'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'GrossWeightKg'
          Title.Caption = 'Gross Weight Kg'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Delivered'
          Title.Caption = 'Delivered'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'DeliveredAt'
          Title.Caption = 'Delivered At'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
  end
  Object Suppliers_TS : TTabSheet
    Caption = 'Suppliers'
    object Suppliers_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.Suppliers_DS
      TabOrder = 0
    end
    object Suppliers_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 600
      Height = 300
      DataSource = DM.Suppliers_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'SupplierID'
          Title.Caption = 'Supplier ID'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'CompanyName'
          Title.Caption = 'Company Name'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'ContactName'
          Title.Caption = 'Contact'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Address'
          Title.Caption = 'Address'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'City'
          Title.Caption = 'City'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'PostalCode'
          Title.Caption = 'Postcode'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'CountryCode'
          Title.Caption = 'Country'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'HomePage'
          Title.Caption = 'Home Page'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
  end
  Object ClientOrders_TS : TTabSheet
    Caption = 'ClientOrders'
    object ClientOrders_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.ClientOrders_DS
      TabOrder = 0
    end
    object ClientOrders_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 600
      Height = 300
      DataSource = DM.ClientOrders_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'ClientID'
          Title.Caption = 'Client#'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'ClientName'
          Title.Caption = 'Client'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'City'
          Title.Caption = 'City'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'RegionName'
          Title.Caption = 'Region'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'OrderID'
          Title.Caption = 'Order#'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'OrderDate'
          Title.Caption = 'Ordered'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'RequiredDate'
          Title.Caption = 'Due'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Freight'
          Title.Caption = 'Carriage'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'LastName'
          Title.Caption = 'Surname'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
  end
  Object OrderTotals_TS : TTabSheet
    Caption = 'OrderTotals'
    object OrderTotals_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.OrderTotals_DS
      TabOrder = 0
    end
    object OrderTotals_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 600
      Height = 300
      DataSource = DM.OrderTotals_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'OrderID'
          Title.Caption = 'Order#'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'OrderDate'
          Title.Caption = 'Ordered'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'ClientName'
          Title.Caption = 'Client'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'InvoiceNumber'
          Title.Caption = 'Invoice Number'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'InvoiceDate'
          Title.Caption = 'Invoice Date'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'TotalAmount'
          Title.Caption = 'Total'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'IsPaid'
          Title.Caption = 'Is Paid'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
  end
  end
end
