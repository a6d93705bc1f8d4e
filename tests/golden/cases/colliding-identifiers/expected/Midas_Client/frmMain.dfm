object Main_Frm: TMain_Frm
  Caption = 'Main'
  ClientHeight = 400
  ClientWidth = 400
  object OrderDetails_Btn: TButton
    Left = 64
    Top = 32
    Width = 249
    Height = 33
    Caption = 'OrderDetails'
    TabOrder = 0
    OnClick = OrderDetails_BtnClick
  end

  object OrderDetails_3_Btn: TButton
    Left = 64
    Top = 72
    Width = 249
    Height = 33
    Caption = 'OrderDetails_3'
    TabOrder = 0
    OnClick = OrderDetails_3_BtnClick
  end

  object OrderDetails_2_Btn: TButton
    Left = 64
    Top = 112
    Width = 249
    Height = 33
    Caption = 'OrderDetails_2'
    TabOrder = 0
    OnClick = OrderDetails_2_BtnClick
  end

  object ORDERDETAILS_4_Btn: TButton
    Left = 64
    Top = 152
    Width = 249
    Height = 33
    Caption = 'ORDERDETAILS_4'
    TabOrder = 0
    OnClick = ORDERDETAILS_4_BtnClick
  end

  object Main_2_Btn: TButton
    Left = 64
    Top = 192
    Width = 249
    Height = 33
    Caption = 'Main_2'
    TabOrder = 0
    OnClick = Main_2_BtnClick
  end


end
