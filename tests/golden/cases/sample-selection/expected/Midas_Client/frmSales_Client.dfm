object Sales_Client_Frm: TSales_Client_Frm
  Left = 260
  Top = 160
  Width = 960
  Height = 600
  AutoScroll = True
  Caption = 'Sales_Client'
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
    object Sales_Client_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.Sales_Client_DS
      TabOrder = 0
    end
    object Sales_Client_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 240
      Height = 160
      DataSource = DM.Sales_Client_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'ClientID'
          Title.Caption = 'Client#'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'ClientName'
          Title.Caption = 'Client'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'ContactName'
          Title.Caption = 'Contact'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Address'
          Title.Caption = 'Address'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'City'
          Title.Caption = 'City'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'PostalCode'
          Title.Caption = 'Postcode'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'CountryCode'
          Title.Caption = 'Country'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Phone'
          Title.Caption = 'Phone'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'RegionID'
          Title.Caption = 'Region ID'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'CreditLimit'
          Title.Caption = 'Credit'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'IsActive'
          Title.Caption = 'Active'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'ClientSince'
          Title.Caption = 'Since'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Notes'
          Title.Caption = 'Notes'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
    object ClientID_Lab: TLabel
      Left = 412
      Top = 44
      Width = 89
      Height = 16
      Caption = 'Client#'
      Alignment = taRightJustify
      AutoSize = False
    end
    object ClientID_DBEdt: TDBEdit
      Left = 508
      Top = 40
      Width = 120
      Height = 23
      DataField = 'ClientID'
      DataSource = DM.Sales_Client_DS
      TabOrder = 0
    end
    object ClientName_Lab: TLabel
      Left = 424
      Top = 74
      Width = 77
      Height = 16
      Caption = 'Client'
      Alignment = taRightJustify
      AutoSize = False
    end
    object ClientName_DBEdt: TDBEdit
      Left = 508
      Top = 70
      Width = 120
      Height = 23
      DataField = 'ClientName'
      DataSource = DM.Sales_Client_DS
      TabOrder = 0
    end
    object ContactName_Lab: TLabel
      Left = 412
      Top = 104
      Width = 89
      Height = 16
      Caption = 'Contact'
      Alignment = taRightJustify
      AutoSize = False
    end
    object ContactName_DBEdt: TDBEdit
      Left = 508
      Top = 100
      Width = 120
      Height = 23
      DataField = 'ContactName'
      DataSource = DM.Sales_Client_DS
      TabOrder = 0
    end
    object Address_Lab: TLabel
      Left = 412
      Top = 134
      Width = 89
      Height = 16
      Caption = 'Address'
      Alignment = taRightJustify
      AutoSize = False
    end
    object Address_DBEdt: TDBEdit
      Left = 508
      Top = 130
      Width = 120
      Height = 23
      DataField = 'Address'
      DataSource = DM.Sales_Client_DS
      TabOrder = 0
    end
    object Address_DBMemo: TDBMemo
      Left = 684
      Top = 130
      Width = 120
      Height = 23
      DataField = 'Address'
      DataSource = DM.Sales_Client_DS
      ScrollBars = ssVertical
      TabOrder = 0
    end
    object City_Lab: TLabel
      Left = 448
      Top = 164
      Width = 53
      Height = 16
      Caption = 'City'
      Alignment = taRightJustify
      AutoSize = False
    end
    object City_DBEdt: TDBEdit
      Left = 508
      Top = 160
      Width = 120
      Height = 23
      DataField = 'City'
      DataSource = DM.Sales_Client_DS
      TabOrder = 0
    end
    object PostalCode_Lab: TLabel
      Left = 400
      Top = 194
      Width = 101
      Height = 16
      Caption = 'Postcode'
      Alignment = taRightJustify
      AutoSize = False
    end
    object PostalCode_DBEdt: TDBEdit
      Left = 508
      Top = 190
      Width = 120
      Height = 23
      DataField = 'PostalCode'
      DataSource = DM.Sales_Client_DS
      TabOrder = 0
    end
    object PostalCode_DBLkpCbo: TDBLookupComboBox
      Left = 684
      Top = 190
      Width = 120
      Height = 23
      DataField = 'PostalCode'
      DataSource = DM.Sales_Client_DS
      TabOrder = 0
    end
    object CountryCode_Lab: TLabel
      Left = 412
      Top = 224
      Width = 89
      Height = 16
      Caption = 'Country'
      Alignment = taRightJustify
      AutoSize = False
    end
    object CountryCode_DBEdt: TDBEdit
      Left = 508
      Top = 220
      Width = 120
      Height = 23
      DataField = 'CountryCode'
      DataSource = DM.Sales_Client_DS
      TabOrder = 0
    end
    object CountryCode_DBLkpCbo: TDBLookupComboBox
      Left = 684
      Top = 220
      Width = 120
      Height = 23
      DataField = 'CountryCode'
      DataSource = DM.Sales_Client_DS
      TabOrder = 0
    end
    object Phone_Lab: TLabel
      Left = 436
      Top = 254
      Width = 65
      Height = 16
      Caption = 'Phone'
      Alignment = taRightJustify
      AutoSize = False
    end
    object Phone_DBEdt: TDBEdit
      Left = 508
      Top = 250
      Width = 120
      Height = 23
      DataField = 'Phone'
      DataSource = DM.Sales_Client_DS
      TabOrder = 0
    end
    object RegionID_Lab: TLabel
      Left = 388
      Top = 284
      Width = 113
      Height = 16
      Caption = 'Region ID'
      Alignment = taRightJustify
      AutoSize = False
    end
    object RegionID_DBEdt: TDBEdit
      Left = 508
      Top = 280
      Width = 120
      Height = 23
      DataField = 'RegionID'
      DataSource = DM.Sales_Client_DS
      TabOrder = 0
    end
    object RegionID_DBLkpCbo: TDBLookupComboBox
      Left = 684
      Top = 280
      Width = 120
      Height = 23
      DataField = 'RegionID'
      DataSource = DM.Sales_Client_DS
      TabOrder = 0
    end
    object CreditLimit_Lab: TLabel
      Left = 424
      Top = 314
      Width = 77
      Height = 16
      Caption = 'Credit'
      Alignment = taRightJustify
      AutoSize = False
    end
    object CreditLimit_DBEdt: TDBEdit
      Left = 508
      Top = 310
      Width = 120
      Height = 23
      DataField = 'CreditLimit'
      DataSource = DM.Sales_Client_DS
      TabOrder = 0
    end
    object IsActive_Lab: TLabel
      Left = 424
      Top = 344
      Width = 77
      Height = 16
      Caption = 'Active'
      Alignment = taRightJustify
      AutoSize = False
    end
    object IsActive_DBChk: TDBCheckBox
      Left = 508
      Top = 340
      Width = 60
      Height = 23
      DataField = 'IsActive'
      DataSource = DM.Sales_Client_DS
      TabOrder = 0
    end
    object ClientSince_Lab: TLabel
      Left = 436
      Top = 374
      Width = 65
      Height = 16
      Caption = 'Since'
      Alignment = taRightJustify
      AutoSize = False
    end
    object ClientSince_DBEdt: TDBEdit
      Left = 508
      Top = 370
      Width = 120
      Height = 23
      DataField = 'ClientSince'
      DataSource = DM.Sales_Client_DS
      TabOrder = 0
    end
    object Notes_Lab: TLabel
      Left = 436
      Top = 404
      Width = 65
      Height = 16
      Caption = 'Notes'
      Alignment = taRightJustify
      AutoSize = False
    end
    object Notes_DBEdt: TDBEdit
      Left = 508
      Top = 400
      Width = 120
      Height = 23
      DataField = 'Notes'
      DataSource = DM.Sales_Client_DS
      TabOrder = 0
    end
    object Notes_DBMemo: TDBMemo
      Left = 684
      Top = 400
      Width = 120
      Height = 23
      DataField = 'Notes'
      DataSource = DM.Sales_Client_DS
      ScrollBars = ssVertical
      TabOrder = 0
    end
end
