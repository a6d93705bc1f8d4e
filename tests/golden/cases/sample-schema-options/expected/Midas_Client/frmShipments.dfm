object Shipments_Frm: TShipments_Frm
  Left = 260
  Top = 160
  Width = 960
  Height = 600
  AutoScroll = True
  Caption = 'Shipments'
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
      Width = 240
      Height = 160
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
    object ShipmentID_Lab: TLabel
      Left = 364
      Top = 44
      Width = 137
      Height = 16
      Caption = 'Shipment ID'
      Alignment = taRightJustify
      AutoSize = False
    end
    object ShipmentID_DBEdt: TDBEdit
      Left = 508
      Top = 40
      Width = 120
      Height = 23
      DataField = 'ShipmentID'
      DataSource = DM.Shipments_DS
      TabOrder = 0
    end
    object OrderID_Lab: TLabel
      Left = 424
      Top = 74
      Width = 77
      Height = 16
      Caption = 'Order#'
      Alignment = taRightJustify
      AutoSize = False
    end
    object OrderID_DBEdt: TDBEdit
      Left = 508
      Top = 70
      Width = 120
      Height = 23
      DataField = 'OrderID'
      DataSource = DM.Shipments_DS
      TabOrder = 0
    end
    object OrderID_DBLkpCbo: TDBLookupComboBox
      Left = 684
      Top = 70
      Width = 120
      Height = 23
      DataField = 'OrderID'
      DataSource = DM.Shipments_DS
      KeyField = 'OrderID'
      ListField = 'ShipName'
      ListSource = DM.Orders_DS
      TabOrder = 0
    end
    object CarrierName_Lab: TLabel
      Left = 352
      Top = 104
      Width = 149
      Height = 16
      Caption = 'Carrier Name'
      Alignment = taRightJustify
      AutoSize = False
    end
    object CarrierName_DBEdt: TDBEdit
      Left = 508
      Top = 100
      Width = 120
      Height = 23
      DataField = 'CarrierName'
      DataSource = DM.Shipments_DS
      TabOrder = 0
    end
    object ShippedDate_Lab: TLabel
      Left = 352
      Top = 134
      Width = 149
      Height = 16
      Caption = 'Shipped Date'
      Alignment = taRightJustify
      AutoSize = False
    end
    object ShippedDate_DBEdt: TDBEdit
      Left = 508
      Top = 130
      Width = 120
      Height = 23
      DataField = 'ShippedDate'
      DataSource = DM.Shipments_DS
      TabOrder = 0
    end
    object ShippedTime_Lab: TLabel
      Left = 352
      Top = 164
      Width = 149
      Height = 16
      Caption = 'Shipped Time'
      Alignment = taRightJustify
      AutoSize = False
    end
    object ShippedTime_DBEdt: TDBEdit
      Left = 508
      Top = 160
      Width = 120
      Height = 23
      DataField = 'ShippedTime'
      DataSource = DM.Shipments_DS
      TabOrder = 0
    end
    object TrackingCode_Lab: TLabel
      Left = 340
      Top = 194
      Width = 161
      Height = 16
      Caption = 'Tracking Code'
      Alignment = taRightJustify
      AutoSize = False
    end
    object TrackingCode_DBEdt: TDBEdit
      Left = 508
      Top = 190
      Width = 120
      Height = 23
      DataField = 'TrackingCode'
      DataSource = DM.Shipments_DS
      TabOrder = 0
    end
    object GrossWeightKg_Lab: TLabel
      Left = 316
      Top = 224
      Width = 185
      Height = 16
      Caption = 'Gross Weight Kg'
      Alignment = taRightJustify
      AutoSize = False
    end
    object GrossWeightKg_DBEdt: TDBEdit
      Left = 508
      Top = 220
      Width = 120
      Height = 23
      DataField = 'GrossWeightKg'
      DataSource = DM.Shipments_DS
      TabOrder = 0
    end
    object Delivered_Lab: TLabel
      Left = 388
      Top = 254
      Width = 113
      Height = 16
      Caption = 'Delivered'
      Alignment = taRightJustify
      AutoSize = False
    end
    object Delivered_DBChk: TDBCheckBox
      Left = 508
      Top = 250
      Width = 60
      Height = 23
      DataField = 'Delivered'
      DataSource = DM.Shipments_DS
      TabOrder = 0
    end
    object DeliveredAt_Lab: TLabel
      Left = 352
      Top = 284
      Width = 149
      Height = 16
      Caption = 'Delivered At'
      Alignment = taRightJustify
      AutoSize = False
    end
    object DeliveredAt_DBEdt: TDBEdit
      Left = 508
      Top = 280
      Width = 120
      Height = 23
      DataField = 'DeliveredAt'
      DataSource = DM.Shipments_DS
      TabOrder = 0
    end
end
