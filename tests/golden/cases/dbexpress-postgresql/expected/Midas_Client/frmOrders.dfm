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
          FieldName = 'order_id'
          Title.Caption = 'order id'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'placed'
          Title.Caption = 'placed'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'total'
          Title.Caption = 'total'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
    object order_id_Lab: TLabel
      Left = 432
      Top = 44
      Width = 69
      Height = 16
      Caption = 'order id'
      Alignment = taRightJustify
      AutoSize = False
    end
    object order_id_DBEdt: TDBEdit
      Left = 508
      Top = 40
      Width = 120
      Height = 23
      DataField = 'order_id'
      DataSource = DM.Orders_DS
      TabOrder = 0
    end
    object placed_Lab: TLabel
      Left = 448
      Top = 74
      Width = 53
      Height = 16
      Caption = 'placed'
      Alignment = taRightJustify
      AutoSize = False
    end
    object placed_DBEdt: TDBEdit
      Left = 508
      Top = 70
      Width = 120
      Height = 23
      DataField = 'placed'
      DataSource = DM.Orders_DS
      TabOrder = 0
    end
    object total_Lab: TLabel
      Left = 456
      Top = 104
      Width = 45
      Height = 16
      Caption = 'total'
      Alignment = taRightJustify
      AutoSize = False
    end
    object total_DBEdt: TDBEdit
      Left = 508
      Top = 100
      Width = 120
      Height = 23
      DataField = 'total'
      DataSource = DM.Orders_DS
      TabOrder = 0
    end
end
