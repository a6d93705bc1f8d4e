object Main_Frm: TMain_Frm
  Caption = 'Main'
  ClientHeight = 400
  ClientWidth = 400
  object Client_Btn: TButton
    Left = 64
    Top = 32
    Width = 249
    Height = 33
    Caption = 'Client'
    TabOrder = 0
    OnClick = Client_BtnClick
  end

  object OrderDetails_Btn: TButton
    Left = 64
    Top = 72
    Width = 249
    Height = 33
    Caption = 'OrderDetails'
    TabOrder = 0
    OnClick = OrderDetails_BtnClick
  end

  object Empty_Btn: TButton
    Left = 64
    Top = 112
    Width = 249
    Height = 33
    Caption = 'Empty'
    TabOrder = 0
    OnClick = Empty_BtnClick
  end

  object ClientList_Btn: TButton
    Left = 64
    Top = 152
    Width = 249
    Height = 33
    Caption = 'ClientList'
    TabOrder = 0
    OnClick = ClientList_BtnClick
  end


end
