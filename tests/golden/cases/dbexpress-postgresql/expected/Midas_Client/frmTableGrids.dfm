object TableGrids_Frm: TTableGrids_Frm
  Left = 220
  Top = 120
  Width = 800
  Height = 560
  Caption = 'All Tables'
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Tahoma'
  Font.Style = []
  OldCreateOrder = False
  Position = poDefaultPosOnly
  OnCloseQuery = FormCloseQuery
  OnShow = FormShow
  PixelsPerInch = 96
  TextHeight = 13
  object PC: TPageControl
    Left = 24
    Top = 24
    Width = 800
    Height = 600
    TabOrder = 0
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
  end
  Object order_lines_TS : TTabSheet
    Caption = 'order_lines'
    object order_lines_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.order_lines_DS
      TabOrder = 0
    end
    object order_lines_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 600
      Height = 300
      DataSource = DM.order_lines_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'line_id'
          Title.Caption = 'line id'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'note'
          Title.Caption = 'note'
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
          FieldName = 'detail_id'
          Title.Caption = 'detail id'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
  end
  Object openorders_TS : TTabSheet
    Caption = 'openorders'
    object openorders_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.openorders_DS
      TabOrder = 0
    end
    object openorders_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 600
      Height = 300
      DataSource = DM.openorders_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'order_id'
          Title.Caption = 'order id'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
  end
  end
end
