object Main_Frm: TMain_Frm
  Caption = 'Main'
  ClientHeight = 400
  ClientWidth = 400
  object Customers_Btn: TButton
    Left = 64
    Top = 32
    Width = 249
    Height = 33
    Caption = 'Customers'
    TabOrder = 0
    OnClick = Customers_BtnClick
  end

  object Shippers_Btn: TButton
    Left = 64
    Top = 72
    Width = 249
    Height = 33
    Caption = 'Shippers'
    TabOrder = 0
    OnClick = Shippers_BtnClick
  end

  object Orders_Btn: TButton
    Left = 64
    Top = 112
    Width = 249
    Height = 33
    Caption = 'Orders'
    TabOrder = 0
    OnClick = Orders_BtnClick
  end

  object OrderDetails_Btn: TButton
    Left = 64
    Top = 152
    Width = 249
    Height = 33
    Caption = 'OrderDetails'
    TabOrder = 0
    OnClick = OrderDetails_BtnClick
  end

  object AuditLog_Btn: TButton
    Left = 64
    Top = 192
    Width = 249
    Height = 33
    Caption = 'AuditLog'
    TabOrder = 0
    OnClick = AuditLog_BtnClick
  end


end
