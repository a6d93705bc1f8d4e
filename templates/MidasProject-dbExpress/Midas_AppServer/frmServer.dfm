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
    Caption = 'The application server is running.'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -11
    Font.Name = 'Tahoma'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Info_Lbl: TLabel
    Left = 16
    Top = 40
    Width = 408
    Height = 39
    AutoSize = False
    Caption = 
      'Clients reach it through DCOM, the socket server (scktsrvr.exe) ' +
      'or the web server (httpsrvr.dll). Closing this window stops the s' +
      'erver and disconnects every client.'
    WordWrap = True
  end
  object Folder_Lbl: TLabel
    Left = 16
    Top = 92
    Width = 408
    Height = 13
    AutoSize = False
    Caption = 'Database folder:'
  end
end
