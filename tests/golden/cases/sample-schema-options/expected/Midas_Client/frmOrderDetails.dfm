object OrderDetails_Frm: TOrderDetails_Frm
  Left = 260
  Top = 160
  Width = 960
  Height = 600
  AutoScroll = True
  Caption = 'OrderDetails'
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Tahoma'
  Font.Style = []
  OldCreateOrder = False
  Position = poDefaultPosOnly
  OnCloseQuery = FormCloseQuery
  PixelsPerInch = 96
  TextHeight = 13
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
    object OrderID_Lab: TLabel
      Left = 424
      Top = 44
      Width = 77
      Height = 16
      Caption = 'Order#'
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
      ListField = 'ShipName'
      ListSource = DM.Orders_DS
      TabOrder = 0
    end
    object ProductID_Lab: TLabel
      Left = 412
      Top = 74
      Width = 89
      Height = 16
      Caption = 'Product'
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
    object ProductID_DBLkpCbo: TDBLookupComboBox
      Left = 684
      Top = 70
      Width = 120
      Height = 23
      DataField = 'ProductID'
      DataSource = DM.OrderDetails_DS
      KeyField = 'ProductID'
      ListField = 'ProductName'
      ListSource = DM.Products_DS
      TabOrder = 0
    end
    object UnitPrice_Lab: TLabel
      Left = 436
      Top = 104
      Width = 65
      Height = 16
      Caption = 'Price'
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
      Left = 460
      Top = 134
      Width = 41
      Height = 16
      Caption = 'Qty'
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
      Left = 424
      Top = 164
      Width = 77
      Height = 16
      Caption = 'Rebate'
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
