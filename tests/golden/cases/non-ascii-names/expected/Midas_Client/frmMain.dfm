object Main_Frm: TMain_Frm
  Caption = 'Main'
  ClientHeight = 400
  ClientWidth = 400
  object Artikel_Btn: TButton
    Left = 64
    Top = 32
    Width = 249
    Height = 33
    Caption = 'Artikel'
    TabOrder = 0
    OnClick = Artikel_BtnClick
  end

  object Donnes_Btn: TButton
    Left = 64
    Top = 72
    Width = 249
    Height = 33
    Caption = 'Donnes'
    TabOrder = 0
    OnClick = Donnes_BtnClick
  end


end
