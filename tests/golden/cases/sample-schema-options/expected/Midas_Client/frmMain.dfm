object Main_Frm: TMain_Frm
  Left = 240
  Top = 140
  Width = 560
  Height = 440
  AutoScroll = True
  Caption = 'Midas Client'
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Tahoma'
  Font.Style = []
  OldCreateOrder = False
  Position = poScreenCenter
  OnCloseQuery = FormCloseQuery
  OnShow = FormShow
  PixelsPerInch = 96
  TextHeight = 13
  object Tables_Lbl: TLabel
    Left = 64
    Top = 12
    Width = 31
    Height = 13
    Caption = 'Tables'
  end
  object Connection_Lbl: TLabel
    Left = 340
    Top = 80
    Width = 180
    Height = 39
    AutoSize = False
    Caption = 'Connection:'
    WordWrap = True
  end
  object AllGrids_Btn: TButton
    Left = 340
    Top = 32
    Width = 180
    Height = 33
    Caption = 'Show All Grids'
    TabOrder = 0
    OnClick = AllGrids_BtnClick
  end
  object Categories_Btn: TButton
    Left = 64
    Top = 32
    Width = 249
    Height = 33
    Caption = 'Categories'
    TabOrder = 0
    OnClick = Categories_BtnClick
  end

  object Employees_Btn: TButton
    Left = 64
    Top = 72
    Width = 249
    Height = 33
    Caption = 'Employees'
    TabOrder = 0
    OnClick = Employees_BtnClick
  end

  object Invoices_Btn: TButton
    Left = 64
    Top = 112
    Width = 249
    Height = 33
    Caption = 'Invoices'
    TabOrder = 0
    OnClick = Invoices_BtnClick
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

  object Orders_Btn: TButton
    Left = 64
    Top = 192
    Width = 249
    Height = 33
    Caption = 'Orders'
    TabOrder = 0
    OnClick = Orders_BtnClick
  end

  object Payments_Btn: TButton
    Left = 64
    Top = 232
    Width = 249
    Height = 33
    Caption = 'Payments'
    TabOrder = 0
    OnClick = Payments_BtnClick
  end

  object Products_Btn: TButton
    Left = 64
    Top = 272
    Width = 249
    Height = 33
    Caption = 'Products'
    TabOrder = 0
    OnClick = Products_BtnClick
  end

  object Sales_Client_Btn: TButton
    Left = 64
    Top = 312
    Width = 249
    Height = 33
    Caption = 'Sales_Client'
    TabOrder = 0
    OnClick = Sales_Client_BtnClick
  end

  object Sales_Region_Btn: TButton
    Left = 64
    Top = 352
    Width = 249
    Height = 33
    Caption = 'Sales_Region'
    TabOrder = 0
    OnClick = Sales_Region_BtnClick
  end

  object Settings_Btn: TButton
    Left = 64
    Top = 392
    Width = 249
    Height = 33
    Caption = 'Settings'
    TabOrder = 0
    OnClick = Settings_BtnClick
  end

  object Shipments_Btn: TButton
    Left = 64
    Top = 432
    Width = 249
    Height = 33
    Caption = 'Shipments'
    TabOrder = 0
    OnClick = Shipments_BtnClick
  end

  object Suppliers_Btn: TButton
    Left = 64
    Top = 472
    Width = 249
    Height = 33
    Caption = 'Suppliers'
    TabOrder = 0
    OnClick = Suppliers_BtnClick
  end

  object ClientOrders_Btn: TButton
    Left = 64
    Top = 512
    Width = 249
    Height = 33
    Caption = 'ClientOrders'
    TabOrder = 0
    OnClick = ClientOrders_BtnClick
  end

  object OrderTotals_Btn: TButton
    Left = 64
    Top = 552
    Width = 249
    Height = 33
    Caption = 'OrderTotals'
    TabOrder = 0
    OnClick = OrderTotals_BtnClick
  end


end
