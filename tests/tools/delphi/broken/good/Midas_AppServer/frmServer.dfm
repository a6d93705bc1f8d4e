object Server_Frm: TServer_Frm
  Left = 320
  Top = 220
  BorderIcons = [biSystemMenu, biMinimize]
  BorderStyle = bsSingle
  Caption = 'Midas Application Server'
  ClientHeight = 120
  ClientWidth = 440
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Tahoma'
  Font.Style = []
  OldCreateOrder = False
  Position = poScreenCenter
  ShowHint = True
  OnCreate = FormCreate
  PixelsPerInch = 96
  TextHeight = 13
  object Status_Lbl: TLabel
    Left = 16
    Top = 16
    Width = 200
    Height = 13
    Caption = 
      'The application server ' +
      'is running.'
  end
end
