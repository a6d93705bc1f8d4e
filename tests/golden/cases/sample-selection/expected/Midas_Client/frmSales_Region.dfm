object Sales_Region_Frm: TSales_Region_Frm
  Left = 260
  Top = 160
  Width = 960
  Height = 600
  AutoScroll = True
  Caption = 'Sales_Region'
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
    object Sales_Region_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.Sales_Region_DS
      TabOrder = 0
    end
    object Sales_Region_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 240
      Height = 160
      DataSource = DM.Sales_Region_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'RegionID'
          Title.Caption = 'Region ID'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'RegionCode'
          Title.Caption = 'Region Code'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'RegionName'
          Title.Caption = 'Region'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Description'
          Title.Caption = 'Description'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
    object RegionID_Lab: TLabel
      Left = 388
      Top = 44
      Width = 113
      Height = 16
      Caption = 'Region ID'
      Alignment = taRightJustify
      AutoSize = False
    end
    object RegionID_DBEdt: TDBEdit
      Left = 508
      Top = 40
      Width = 120
      Height = 23
      DataField = 'RegionID'
      DataSource = DM.Sales_Region_DS
      TabOrder = 0
    end
    object RegionCode_Lab: TLabel
      Left = 364
      Top = 74
      Width = 137
      Height = 16
      Caption = 'Region Code'
      Alignment = taRightJustify
      AutoSize = False
    end
    object RegionCode_DBEdt: TDBEdit
      Left = 508
      Top = 70
      Width = 120
      Height = 23
      DataField = 'RegionCode'
      DataSource = DM.Sales_Region_DS
      TabOrder = 0
    end
    object RegionCode_DBLkpCbo: TDBLookupComboBox
      Left = 684
      Top = 70
      Width = 120
      Height = 23
      DataField = 'RegionCode'
      DataSource = DM.Sales_Region_DS
      TabOrder = 0
    end
    object RegionName_Lab: TLabel
      Left = 424
      Top = 104
      Width = 77
      Height = 16
      Caption = 'Region'
      Alignment = taRightJustify
      AutoSize = False
    end
    object RegionName_DBEdt: TDBEdit
      Left = 508
      Top = 100
      Width = 120
      Height = 23
      DataField = 'RegionName'
      DataSource = DM.Sales_Region_DS
      TabOrder = 0
    end
    object Description_Lab: TLabel
      Left = 364
      Top = 134
      Width = 137
      Height = 16
      Caption = 'Description'
      Alignment = taRightJustify
      AutoSize = False
    end
    object Description_DBEdt: TDBEdit
      Left = 508
      Top = 130
      Width = 120
      Height = 23
      DataField = 'Description'
      DataSource = DM.Sales_Region_DS
      TabOrder = 0
    end
    object Description_DBMemo: TDBMemo
      Left = 684
      Top = 130
      Width = 120
      Height = 23
      DataField = 'Description'
      DataSource = DM.Sales_Region_DS
      ScrollBars = ssVertical
      TabOrder = 0
    end
end
