object ClientOrders_Frm: TClientOrders_Frm
  Left = 260
  Top = 160
  Width = 960
  Height = 600
  AutoScroll = True
  Caption = 'ClientOrders'
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
      Width = 240
      Height = 160
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
    object ClientID_Lab: TLabel
      Left = 412
      Top = 44
      Width = 89
      Height = 16
      Caption = 'Client#'
      Alignment = taRightJustify
      AutoSize = False
    end
    object ClientID_DBEdt: TDBEdit
      Left = 508
      Top = 40
      Width = 120
      Height = 23
      DataField = 'ClientID'
      DataSource = DM.ClientOrders_DS
      TabOrder = 0
    end
    object ClientName_Lab: TLabel
      Left = 424
      Top = 74
      Width = 77
      Height = 16
      Caption = 'Client'
      Alignment = taRightJustify
      AutoSize = False
    end
    object ClientName_DBEdt: TDBEdit
      Left = 508
      Top = 70
      Width = 120
      Height = 23
      DataField = 'ClientName'
      DataSource = DM.ClientOrders_DS
      TabOrder = 0
    end
    object City_Lab: TLabel
      Left = 448
      Top = 104
      Width = 53
      Height = 16
      Caption = 'City'
      Alignment = taRightJustify
      AutoSize = False
    end
    object City_DBEdt: TDBEdit
      Left = 508
      Top = 100
      Width = 120
      Height = 23
      DataField = 'City'
      DataSource = DM.ClientOrders_DS
      TabOrder = 0
    end
    object RegionName_Lab: TLabel
      Left = 424
      Top = 134
      Width = 77
      Height = 16
      Caption = 'Region'
      Alignment = taRightJustify
      AutoSize = False
    end
    object RegionName_DBEdt: TDBEdit
      Left = 508
      Top = 130
      Width = 120
      Height = 23
      DataField = 'RegionName'
      DataSource = DM.ClientOrders_DS
      TabOrder = 0
    end
    object OrderID_Lab: TLabel
      Left = 424
      Top = 164
      Width = 77
      Height = 16
      Caption = 'Order#'
      Alignment = taRightJustify
      AutoSize = False
    end
    object OrderID_DBEdt: TDBEdit
      Left = 508
      Top = 160
      Width = 120
      Height = 23
      DataField = 'OrderID'
      DataSource = DM.ClientOrders_DS
      TabOrder = 0
    end
    object OrderDate_Lab: TLabel
      Left = 412
      Top = 194
      Width = 89
      Height = 16
      Caption = 'Ordered'
      Alignment = taRightJustify
      AutoSize = False
    end
    object OrderDate_DBEdt: TDBEdit
      Left = 508
      Top = 190
      Width = 120
      Height = 23
      DataField = 'OrderDate'
      DataSource = DM.ClientOrders_DS
      TabOrder = 0
    end
    object RequiredDate_Lab: TLabel
      Left = 460
      Top = 224
      Width = 41
      Height = 16
      Caption = 'Due'
      Alignment = taRightJustify
      AutoSize = False
    end
    object RequiredDate_DBEdt: TDBEdit
      Left = 508
      Top = 220
      Width = 120
      Height = 23
      DataField = 'RequiredDate'
      DataSource = DM.ClientOrders_DS
      TabOrder = 0
    end
    object Freight_Lab: TLabel
      Left = 400
      Top = 254
      Width = 101
      Height = 16
      Caption = 'Carriage'
      Alignment = taRightJustify
      AutoSize = False
    end
    object Freight_DBEdt: TDBEdit
      Left = 508
      Top = 250
      Width = 120
      Height = 23
      DataField = 'Freight'
      DataSource = DM.ClientOrders_DS
      TabOrder = 0
    end
    object LastName_Lab: TLabel
      Left = 412
      Top = 284
      Width = 89
      Height = 16
      Caption = 'Surname'
      Alignment = taRightJustify
      AutoSize = False
    end
    object LastName_DBEdt: TDBEdit
      Left = 508
      Top = 280
      Width = 120
      Height = 23
      DataField = 'LastName'
      DataSource = DM.ClientOrders_DS
      TabOrder = 0
    end
end
