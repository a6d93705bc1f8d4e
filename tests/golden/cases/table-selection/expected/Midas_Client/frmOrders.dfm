object Orders_Frm: TOrders_Frm
  Caption = 'Orders'
  ClientHeight = 500
  ClientWidth = 960
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
      Width = 240
      Height = 160
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
    object OrderID_Lab: TLabel
      Left = 400
      Top = 44
      Width = 101
      Height = 16
      Caption = 'Order ID'
      Alignment = taRightJustify
      AutoSize = False
    end
    object OrderID_DBEdt: TDBEdit
      Left = 508
      Top = 40
      Width = 120
      Height = 23
      DataField = 'OrderID'
      DataSource = DM.Orders_DS
      TabOrder = 0
    end
    object CustomerID_Lab: TLabel
      Left = 364
      Top = 74
      Width = 137
      Height = 16
      Caption = 'Customer ID'
      Alignment = taRightJustify
      AutoSize = False
    end
    object CustomerID_DBEdt: TDBEdit
      Left = 508
      Top = 70
      Width = 120
      Height = 23
      DataField = 'CustomerID'
      DataSource = DM.Orders_DS
      TabOrder = 0
    end
    object CustomerID_DBLkpCbo: TDBLookupComboBox
      Left = 684
      Top = 70
      Width = 120
      Height = 23
      DataField = 'CustomerID'
      DataSource = DM.Orders_DS
      KeyField = 'CustomerID'
      ListField = 'CustomerID'
      ListSource = DM.Customers_DS
      TabOrder = 0
    end
    object EmployeeID_Lab: TLabel
      Left = 364
      Top = 104
      Width = 137
      Height = 16
      Caption = 'Employee ID'
      Alignment = taRightJustify
      AutoSize = False
    end
    object EmployeeID_DBEdt: TDBEdit
      Left = 508
      Top = 100
      Width = 120
      Height = 23
      DataField = 'EmployeeID'
      DataSource = DM.Orders_DS
      TabOrder = 0
    end
    object OrderDate_Lab: TLabel
      Left = 376
      Top = 134
      Width = 125
      Height = 16
      Caption = 'Order Date'
      Alignment = taRightJustify
      AutoSize = False
    end
    object OrderDate_DBEdt: TDBEdit
      Left = 508
      Top = 130
      Width = 120
      Height = 23
      DataField = 'OrderDate'
      DataSource = DM.Orders_DS
      TabOrder = 0
    end
    object ShipperID_Lab: TLabel
      Left = 376
      Top = 164
      Width = 125
      Height = 16
      Caption = 'Shipper ID'
      Alignment = taRightJustify
      AutoSize = False
    end
    object ShipperID_DBEdt: TDBEdit
      Left = 508
      Top = 160
      Width = 120
      Height = 23
      DataField = 'ShipperID'
      DataSource = DM.Orders_DS
      TabOrder = 0
    end
    object ShipperID_DBLkpCbo: TDBLookupComboBox
      Left = 684
      Top = 160
      Width = 120
      Height = 23
      DataField = 'ShipperID'
      DataSource = DM.Orders_DS
      KeyField = 'ShipperID'
      ListField = 'CompanyName'
      ListSource = DM.Shippers_DS
      TabOrder = 0
    end
    object BillShipperID_Lab: TLabel
      Left = 316
      Top = 194
      Width = 185
      Height = 16
      Caption = 'Bill Shipper ID'
      Alignment = taRightJustify
      AutoSize = False
    end
    object BillShipperID_DBEdt: TDBEdit
      Left = 508
      Top = 190
      Width = 120
      Height = 23
      DataField = 'BillShipperID'
      DataSource = DM.Orders_DS
      TabOrder = 0
    end
    object BillShipperID_DBLkpCbo: TDBLookupComboBox
      Left = 684
      Top = 190
      Width = 120
      Height = 23
      DataField = 'BillShipperID'
      DataSource = DM.Orders_DS
      KeyField = 'ShipperID'
      ListField = 'CompanyName'
      ListSource = DM.Shippers_DS
      TabOrder = 0
    end
    object Freight_Lab: TLabel
      Left = 412
      Top = 224
      Width = 89
      Height = 16
      Caption = 'Freight'
      Alignment = taRightJustify
      AutoSize = False
    end
    object Freight_DBEdt: TDBEdit
      Left = 508
      Top = 220
      Width = 120
      Height = 23
      DataField = 'Freight'
      DataSource = DM.Orders_DS
      TabOrder = 0
    end
end
