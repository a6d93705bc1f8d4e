object TableGrids_Frm: TTableGrids_Frm
  Caption = 'All Tables'
  ClientHeight = 650
  ClientWidth = 850
  object PC: TPageControl
    Left = 24
    Top = 24
    Width = 800
    Height = 600
    TabOrder = 0
  Object Customers_TS : TTabSheet
    Caption = 'Customers'
    object Customers_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.Customers_DS
      TabOrder = 0
    end
    object Customers_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 600
      Height = 300
      DataSource = DM.Customers_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'CustomerID'
          Title.Caption = 'Customer ID'
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
          FieldName = 'Gr'#246#223'e'
          Title.Caption = 'Gr'#246#223'e'
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
      >
    end
  end
  Object Shippers_TS : TTabSheet
    Caption = 'Shippers'
    object Shippers_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.Shippers_DS
      TabOrder = 0
    end
    object Shippers_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 600
      Height = 300
      DataSource = DM.Shippers_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'ShipperID'
          Title.Caption = 'Shipper ID'
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
          FieldName = 'Phone'
          Title.Caption = 'Phone'
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
          Title.Caption = 'Order ID'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'CustomerID'
          Title.Caption = 'Customer ID'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'EmployeeID'
          Title.Caption = 'Employee ID'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'OrderDate'
          Title.Caption = 'Order Date'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'ShipperID'
          Title.Caption = 'Shipper ID'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'BillShipperID'
          Title.Caption = 'Bill Shipper ID'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Freight'
          Title.Caption = 'Freight'
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
          Title.Caption = 'Order ID'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'ProductID'
          Title.Caption = 'Product ID'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'UnitPrice'
          Title.Caption = 'Unit Price'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Quantity'
          Title.Caption = 'Quantity'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Discount'
          Title.Caption = 'Discount'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
  end
  Object AuditLog_TS : TTabSheet
    Caption = 'AuditLog'
    object AuditLog_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.AuditLog_DS
      TabOrder = 0
    end
    object AuditLog_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 600
      Height = 300
      DataSource = DM.AuditLog_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'LoggedAt'
          Title.Caption = 'Logged At'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Message'
          Title.Caption = 'Message'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
  end
  end
end
