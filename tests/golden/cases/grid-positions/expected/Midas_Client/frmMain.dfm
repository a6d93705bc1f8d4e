object Main_Frm: TMain_Frm
  Caption = 'Main'
  ClientHeight = 400
  ClientWidth = 400
  object T01_Btn: TButton
    Left = 64
    Top = 32
    Width = 249
    Height = 33
    Caption = 'T01'
    TabOrder = 0
    OnClick = T01_BtnClick
  end

  object T02_Btn: TButton
    Left = 64
    Top = 72
    Width = 249
    Height = 33
    Caption = 'T02'
    TabOrder = 0
    OnClick = T02_BtnClick
  end

  object T03_Btn: TButton
    Left = 64
    Top = 112
    Width = 249
    Height = 33
    Caption = 'T03'
    TabOrder = 0
    OnClick = T03_BtnClick
  end

  object T04_Btn: TButton
    Left = 64
    Top = 152
    Width = 249
    Height = 33
    Caption = 'T04'
    TabOrder = 0
    OnClick = T04_BtnClick
  end

  object T05_Btn: TButton
    Left = 64
    Top = 192
    Width = 249
    Height = 33
    Caption = 'T05'
    TabOrder = 0
    OnClick = T05_BtnClick
  end

  object T06_Btn: TButton
    Left = 64
    Top = 232
    Width = 249
    Height = 33
    Caption = 'T06'
    TabOrder = 0
    OnClick = T06_BtnClick
  end

  object T07_Btn: TButton
    Left = 64
    Top = 272
    Width = 249
    Height = 33
    Caption = 'T07'
    TabOrder = 0
    OnClick = T07_BtnClick
  end

  object T08_Btn: TButton
    Left = 64
    Top = 312
    Width = 249
    Height = 33
    Caption = 'T08'
    TabOrder = 0
    OnClick = T08_BtnClick
  end

  object T09_Btn: TButton
    Left = 64
    Top = 352
    Width = 249
    Height = 33
    Caption = 'T09'
    TabOrder = 0
    OnClick = T09_BtnClick
  end

  object T10_Btn: TButton
    Left = 64
    Top = 392
    Width = 249
    Height = 33
    Caption = 'T10'
    TabOrder = 0
    OnClick = T10_BtnClick
  end

  object T11_Btn: TButton
    Left = 64
    Top = 432
    Width = 249
    Height = 33
    Caption = 'T11'
    TabOrder = 0
    OnClick = T11_BtnClick
  end


end
