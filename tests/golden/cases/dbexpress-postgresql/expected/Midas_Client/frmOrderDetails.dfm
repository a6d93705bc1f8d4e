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
          FieldName = 'detail_id'
          Title.Caption = 'detail id'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
    object detail_id_Lab: TLabel
      Left = 424
      Top = 44
      Width = 77
      Height = 16
      Caption = 'detail id'
      Alignment = taRightJustify
      AutoSize = False
    end
    object detail_id_DBEdt: TDBEdit
      Left = 508
      Top = 40
      Width = 120
      Height = 23
      DataField = 'detail_id'
      DataSource = DM.OrderDetails_DS
      TabOrder = 0
    end
end
