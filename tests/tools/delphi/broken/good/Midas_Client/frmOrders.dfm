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
    TabOrder = 1
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
        FieldName = 'Client'
        Title.Caption = 'Client'
        Title.Alignment = taCenter
        Visible = True
      end>
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
    TabOrder = 2
  end
  object Client_Lab: TLabel
    Left = 412
    Top = 74
    Width = 89
    Height = 16
    Caption = 'Client'
    Alignment = taRightJustify
    AutoSize = False
    WordWrap = True
  end
  object Client_DBEdt: TDBEdit
    Left = 508
    Top = 70
    Width = 120
    Height = 23
    DataField = 'Client'
    DataSource = DM.Orders_DS
    TabOrder = 3
  end
  object Client_DBLkpCbo: TDBLookupComboBox
    Left = 684
    Top = 70
    Width = 120
    Height = 23
    DataField = 'Client'
    DataSource = DM.Orders_DS
    KeyField = 'Code'
    ListField = 'Name'
    ListSource = DM.Clients_DS
    TabOrder = 4
  end
  object Paid_Lab: TLabel
    Left = 412
    Top = 104
    Width = 89
    Height = 16
    Caption = 'Paid'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clRed
    Font.Height = -11
    Font.Name = 'Tahoma'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Paid_DBChk: TDBCheckBox
    Left = 508
    Top = 100
    Width = 60
    Height = 23
    DataField = 'Paid'
    DataSource = DM.Orders_DS
    TabOrder = 5
  end
  object Note_Lab: TLabel
    Left = 412
    Top = 134
    Width = 89
    Height = 16
    Caption = 'Note'
  end
  object Note_DBMemo: TDBMemo
    Left = 508
    Top = 130
    Width = 120
    Height = 23
    DataField = 'Note'
    DataSource = DM.Orders_DS
    ScrollBars = ssVertical
    TabOrder = 6
  end
end
