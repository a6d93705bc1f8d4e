object TableGrids_Frm: TTableGrids_Frm
  Caption = 'All Tables'
  ClientHeight = 650
  ClientWidth = 850
  object PC: TPageControl
    Left = 24
    Top = 24
    Width = 800
    Height = 600
    ActivePage = Orders_TS
    TabOrder = 0
    object Orders_TS: TTabSheet
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
        TabOrder = 1
      end
    end
  end
end
