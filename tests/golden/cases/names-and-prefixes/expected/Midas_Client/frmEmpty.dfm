object Empty_Frm: TEmpty_Frm
  Caption = 'Empty'
  ClientHeight = 500
  ClientWidth = 960
    object Empty_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.Empty_DS
      TabOrder = 0
    end
    object Empty_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 240
      Height = 160
      DataSource = DM.Empty_DS
      TabOrder = 0
       Columns = <
      >
    end
end
