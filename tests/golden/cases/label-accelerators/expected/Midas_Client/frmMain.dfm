object Main_Frm: TMain_Frm
  Caption = 'Main'
  ClientHeight = 400
  ClientWidth = 400
  object Parts_Btn: TButton
    Left = 64
    Top = 32
    Width = 249
    Height = 33
    Caption = 'Parts'
    TabOrder = 0
    OnClick = Parts_BtnClick
  end


end
