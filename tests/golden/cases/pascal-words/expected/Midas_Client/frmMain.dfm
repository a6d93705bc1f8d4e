object Main_Frm: TMain_Frm
  Caption = 'Main'
  ClientHeight = 400
  ClientWidth = 400
  object Type_Btn: TButton
    Left = 64
    Top = 32
    Width = 249
    Height = 33
    Caption = 'Type'
    TabOrder = 0
    OnClick = Type_BtnClick
  end

  object End_Btn: TButton
    Left = 64
    Top = 72
    Width = 249
    Height = 33
    Caption = 'End'
    TabOrder = 0
    OnClick = End_BtnClick
  end

  object Begin_Btn: TButton
    Left = 64
    Top = 112
    Width = 249
    Height = 33
    Caption = 'Begin'
    TabOrder = 0
    OnClick = Begin_BtnClick
  end

  object Object_Btn: TButton
    Left = 64
    Top = 152
    Width = 249
    Height = 33
    Caption = 'Object'
    TabOrder = 0
    OnClick = Object_BtnClick
  end

  object _2019Sales_Btn: TButton
    Left = 64
    Top = 192
    Width = 249
    Height = 33
    Caption = '_2019Sales'
    TabOrder = 0
    OnClick = _2019Sales_BtnClick
  end


end
