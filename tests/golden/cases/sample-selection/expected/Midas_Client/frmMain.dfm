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
  object Orders_Btn: TButton
    Left = 64
    Top = 32
    Width = 249
    Height = 33
    Caption = 'Orders'
    TabOrder = 0
    OnClick = Orders_BtnClick
  end

  object Sales_Client_Btn: TButton
    Left = 64
    Top = 72
    Width = 249
    Height = 33
    Caption = 'Sales_Client'
    TabOrder = 0
    OnClick = Sales_Client_BtnClick
  end

  object Sales_Region_Btn: TButton
    Left = 64
    Top = 112
    Width = 249
    Height = 33
    Caption = 'Sales_Region'
    TabOrder = 0
    OnClick = Sales_Region_BtnClick
  end


end
