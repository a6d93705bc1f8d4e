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
  end
end
