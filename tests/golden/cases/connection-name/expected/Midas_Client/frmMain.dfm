object Main_Frm: TMain_Frm
  Caption = 'Main'
  ClientHeight = 400
  ClientWidth = 400
  object Orders_Btn: TButton
    Left = 64
    Top = 32
    Width = 249
    Height = 33
    Caption = 'Orders'
    TabOrder = 0
    OnClick = Orders_BtnClick
  end

  object Lines_Btn: TButton
    Left = 64
    Top = 72
    Width = 249
    Height = 33
    Caption = 'Lines'
    TabOrder = 0
    OnClick = Lines_BtnClick
  end


end
