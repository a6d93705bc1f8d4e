object Settings_Frm: TSettings_Frm
  Left = 260
  Top = 160
  Width = 960
  Height = 600
  AutoScroll = True
  Caption = 'Settings'
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Tahoma'
  Font.Style = []
  OldCreateOrder = False
  Position = poDefaultPosOnly
  OnCloseQuery = FormCloseQuery
  PixelsPerInch = 96
  TextHeight = 13
    object Settings_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.Settings_DS
      TabOrder = 0
    end
    object Settings_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 240
      Height = 160
      DataSource = DM.Settings_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'SettingKey'
          Title.Caption = 'Setting Key'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'SettingValue'
          Title.Caption = 'Setting Value'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'ValueKind'
          Title.Caption = 'Value Kind'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Counter'
          Title.Caption = 'Counter'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'ModifiedAt'
          Title.Caption = 'Modified At'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
    object SettingKey_Lab: TLabel
      Left = 364
      Top = 44
      Width = 137
      Height = 16
      Caption = 'Setting Key'
      Alignment = taRightJustify
      AutoSize = False
    end
    object SettingKey_DBEdt: TDBEdit
      Left = 508
      Top = 40
      Width = 120
      Height = 23
      DataField = 'SettingKey'
      DataSource = DM.Settings_DS
      TabOrder = 0
    end
    object SettingValue_Lab: TLabel
      Left = 340
      Top = 74
      Width = 161
      Height = 16
      Caption = 'Setting Value'
      Alignment = taRightJustify
      AutoSize = False
    end
    object SettingValue_DBEdt: TDBEdit
      Left = 508
      Top = 70
      Width = 120
      Height = 23
      DataField = 'SettingValue'
      DataSource = DM.Settings_DS
      TabOrder = 0
    end
    object ValueKind_Lab: TLabel
      Left = 376
      Top = 104
      Width = 125
      Height = 16
      Caption = 'Value Kind'
      Alignment = taRightJustify
      AutoSize = False
    end
    object ValueKind_DBEdt: TDBEdit
      Left = 508
      Top = 100
      Width = 120
      Height = 23
      DataField = 'ValueKind'
      DataSource = DM.Settings_DS
      TabOrder = 0
    end
    object Counter_Lab: TLabel
      Left = 412
      Top = 134
      Width = 89
      Height = 16
      Caption = 'Counter'
      Alignment = taRightJustify
      AutoSize = False
    end
    object Counter_DBEdt: TDBEdit
      Left = 508
      Top = 130
      Width = 120
      Height = 23
      DataField = 'Counter'
      DataSource = DM.Settings_DS
      TabOrder = 0
    end
    object ModifiedAt_Lab: TLabel
      Left = 364
      Top = 164
      Width = 137
      Height = 16
      Caption = 'Modified At'
      Alignment = taRightJustify
      AutoSize = False
    end
    object ModifiedAt_DBEdt: TDBEdit
      Left = 508
      Top = 160
      Width = 120
      Height = 23
      DataField = 'ModifiedAt'
      DataSource = DM.Settings_DS
      TabOrder = 0
    end
end
