object TableGrids_Frm: TTableGrids_Frm
  Caption = 'All Tables'
  ClientHeight = 650
  ClientWidth = 850
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
          FieldName = 'OrderID'
          Title.Caption = 'Order ID'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Note'
          Title.Caption = 'Note'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
  end
  Object Lines_TS : TTabSheet
    Caption = 'Lines'
    object Lines_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.Lines_DS
      TabOrder = 0
    end
    object Lines_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 600
      Height = 300
      DataSource = DM.Lines_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'LineID'
          Title.Caption = 'Line ID'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
  end
  end
end
