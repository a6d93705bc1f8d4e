object Orders_Frm: TOrders_Frm
  Left = 260
  Top = 160
  Width = 960
  Height = 600
  AutoScroll = True
  Caption = 'Orders'
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
      DataSource = DM.Orders_DS
      TabOrder = 0
    end
    object ClientID_Lab: TLabel
      Left = 412
      Top = 74
      Width = 89
      Height = 16
      Caption = 'Client#'
      Alignment = taRightJustify
      AutoSize = False
    end
    object ClientID_DBEdt: TDBEdit
      Left = 508
      Top = 70
      Width = 120
      Height = 23
      DataField = 'ClientID'
      DataSource = DM.Orders_DS
      TabOrder = 0
    end
    object ClientID_DBLkpCbo: TDBLookupComboBox
      Left = 684
      Top = 70
      Width = 120
      Height = 23
      DataField = 'ClientID'
      DataSource = DM.Orders_DS
      TabOrder = 0
    end
    object EmployeeID_Lab: TLabel
      Left = 400
      Top = 104
      Width = 101
      Height = 16
      Caption = 'Employee'
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
    object EmployeeID_DBLkpCbo: TDBLookupComboBox
      Left = 684
      Top = 100
      Width = 120
      Height = 23
      DataField = 'EmployeeID'
      DataSource = DM.Orders_DS
      TabOrder = 0
    end
    object OrderDate_Lab: TLabel
      Left = 412
      Top = 134
      Width = 89
      Height = 16
      Caption = 'Ordered'
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
    object OrderTime_Lab: TLabel
      Left = 376
      Top = 164
      Width = 125
      Height = 16
      Caption = 'Order Time'
      Alignment = taRightJustify
      AutoSize = False
    end
    object OrderTime_DBEdt: TDBEdit
      Left = 508
      Top = 160
      Width = 120
      Height = 23
      DataField = 'OrderTime'
      DataSource = DM.Orders_DS
      TabOrder = 0
    end
    object RequiredDate_Lab: TLabel
      Left = 460
      Top = 194
      Width = 41
      Height = 16
      Caption = 'Due'
      Alignment = taRightJustify
      AutoSize = False
    end
    object RequiredDate_DBEdt: TDBEdit
      Left = 508
      Top = 190
      Width = 120
      Height = 23
      DataField = 'RequiredDate'
      DataSource = DM.Orders_DS
      TabOrder = 0
    end
    object Freight_Lab: TLabel
      Left = 400
      Top = 224
      Width = 101
      Height = 16
      Caption = 'Carriage'
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
    object ShipName_Lab: TLabel
      Left = 388
      Top = 254
      Width = 113
      Height = 16
      Caption = 'Ship Name'
      Alignment = taRightJustify
      AutoSize = False
    end
    object ShipName_DBEdt: TDBEdit
      Left = 508
      Top = 250
      Width = 120
      Height = 23
      DataField = 'ShipName'
      DataSource = DM.Orders_DS
      TabOrder = 0
    end
    object ShipAddress_Lab: TLabel
      Left = 352
      Top = 284
      Width = 149
      Height = 16
      Caption = 'Ship Address'
      Alignment = taRightJustify
      AutoSize = False
    end
    object ShipAddress_DBEdt: TDBEdit
      Left = 508
      Top = 280
      Width = 120
      Height = 23
      DataField = 'ShipAddress'
      DataSource = DM.Orders_DS
      TabOrder = 0
    end
    object ShipAddress_DBMemo: TDBMemo
      Left = 684
      Top = 280
      Width = 120
      Height = 23
      DataField = 'ShipAddress'
      DataSource = DM.Orders_DS
      ScrollBars = ssVertical
      TabOrder = 0
    end
    object ShipCity_Lab: TLabel
      Left = 388
      Top = 314
      Width = 113
      Height = 16
      Caption = 'Ship City'
      Alignment = taRightJustify
      AutoSize = False
    end
    object ShipCity_DBEdt: TDBEdit
      Left = 508
      Top = 310
      Width = 120
      Height = 23
      DataField = 'ShipCity'
      DataSource = DM.Orders_DS
      TabOrder = 0
    end
    object ShipPostalCode_Lab: TLabel
      Left = 304
      Top = 344
      Width = 197
      Height = 16
      Caption = 'Ship Postal Code'
      Alignment = taRightJustify
      AutoSize = False
    end
    object ShipPostalCode_DBEdt: TDBEdit
      Left = 508
      Top = 340
      Width = 120
      Height = 23
      DataField = 'ShipPostalCode'
      DataSource = DM.Orders_DS
      TabOrder = 0
    end
    object ShipPostalCode_DBLkpCbo: TDBLookupComboBox
      Left = 684
      Top = 340
      Width = 120
      Height = 23
      DataField = 'ShipPostalCode'
      DataSource = DM.Orders_DS
      TabOrder = 0
    end
    object OrderGuid_Lab: TLabel
      Left = 376
      Top = 374
      Width = 125
      Height = 16
      Caption = 'Order Guid'
      Alignment = taRightJustify
      AutoSize = False
    end
    object OrderGuid_DBEdt: TDBEdit
      Left = 508
      Top = 370
      Width = 120
      Height = 23
      DataField = 'OrderGuid'
      DataSource = DM.Orders_DS
      TabOrder = 0
    end
    object OrderGuid_DBLkpCbo: TDBLookupComboBox
      Left = 684
      Top = 370
      Width = 120
      Height = 23
      DataField = 'OrderGuid'
      DataSource = DM.Orders_DS
      TabOrder = 0
    end
    object CreatedAt_Lab: TLabel
      Left = 376
      Top = 404
      Width = 125
      Height = 16
      Caption = 'Created At'
      Alignment = taRightJustify
      AutoSize = False
    end
    object CreatedAt_DBEdt: TDBEdit
      Left = 508
      Top = 400
      Width = 120
      Height = 23
      DataField = 'CreatedAt'
      DataSource = DM.Orders_DS
      TabOrder = 0
    end
    object Comments_Lab: TLabel
      Left = 400
      Top = 434
      Width = 101
      Height = 16
      Caption = 'Comments'
      Alignment = taRightJustify
      AutoSize = False
    end
    object Comments_DBEdt: TDBEdit
      Left = 508
      Top = 430
      Width = 120
      Height = 23
      DataField = 'Comments'
      DataSource = DM.Orders_DS
      TabOrder = 0
    end
    object Comments_DBMemo: TDBMemo
      Left = 684
      Top = 430
      Width = 120
      Height = 23
      DataField = 'Comments'
      DataSource = DM.Orders_DS
      ScrollBars = ssVertical
      TabOrder = 0
    end
end
