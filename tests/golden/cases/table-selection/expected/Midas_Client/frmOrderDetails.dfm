object OrderDetails_Frm: TOrderDetails_Frm
  Caption = 'OrderDetails'
  ClientHeight = 500
  ClientWidth = 960
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
      Width = 240
      Height = 160
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
      DataSource = DM.OrderDetails_DS
      TabOrder = 0
    end
    object OrderID_DBLkpCbo: TDBLookupComboBox
      Left = 684
      Top = 40
      Width = 120
      Height = 23
      DataField = 'OrderID'
      DataSource = DM.OrderDetails_DS
      KeyField = 'OrderID'
      ListField = 'CustomerID'
      ListSource = DM.Orders_DS
      TabOrder = 0
    end
    object ProductID_Lab: TLabel
      Left = 376
      Top = 74
      Width = 125
      Height = 16
      Caption = 'Product ID'
      Alignment = taRightJustify
      AutoSize = False
    end
    object ProductID_DBEdt: TDBEdit
      Left = 508
      Top = 70
      Width = 120
      Height = 23
      DataField = 'ProductID'
      DataSource = DM.OrderDetails_DS
      TabOrder = 0
    end
    object UnitPrice_Lab: TLabel
      Left = 376
      Top = 104
      Width = 125
      Height = 16
      Caption = 'Unit Price'
      Alignment = taRightJustify
      AutoSize = False
    end
    object UnitPrice_DBEdt: TDBEdit
      Left = 508
      Top = 100
      Width = 120
      Height = 23
      DataField = 'UnitPrice'
      DataSource = DM.OrderDetails_DS
      TabOrder = 0
    end
    object Quantity_Lab: TLabel
      Left = 400
      Top = 134
      Width = 101
      Height = 16
      Caption = 'Quantity'
      Alignment = taRightJustify
      AutoSize = False
    end
    object Quantity_DBEdt: TDBEdit
      Left = 508
      Top = 130
      Width = 120
      Height = 23
      DataField = 'Quantity'
      DataSource = DM.OrderDetails_DS
      TabOrder = 0
    end
    object Discount_Lab: TLabel
      Left = 400
      Top = 164
      Width = 101
      Height = 16
      Caption = 'Discount'
      Alignment = taRightJustify
      AutoSize = False
    end
    object Discount_DBEdt: TDBEdit
      Left = 508
      Top = 160
      Width = 120
      Height = 23
      DataField = 'Discount'
      DataSource = DM.OrderDetails_DS
      TabOrder = 0
    end
end
