object Main_Frm: TMain_Frm
  Left = 240
  Top = 140
  Width = 560
  Height = 440
  Caption = 'Midas Client'
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Tahoma'
  Font.Style = [fsBold]
  OldCreateOrder = False
  Position = poScreenCenter
  OnCloseQuery = FormCloseQuery
  PixelsPerInch = 96
  TextHeight = 13
  object Tables_Lbl: TLabel
    Left = 64
    Top = 12
    Width = 31
    Height = 13
    Cursor = crHandPoint
    Caption = 'Tables'
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
  object AllGrids_Btn: TButton
    Left = 340
    Top = 32
    Width = 180
    Height = 33
    Caption = 'Show All Grids'
    TabOrder = 1
    OnClick = AllGrids_BtnClick
  end
end
