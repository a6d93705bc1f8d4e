object Suppliers_Frm: TSuppliers_Frm
  Left = 260
  Top = 160
  Width = 960
  Height = 600
  AutoScroll = True
  Caption = 'Suppliers'
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
    object Suppliers_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.Suppliers_DS
      TabOrder = 0
    end
    object Suppliers_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 240
      Height = 160
      DataSource = DM.Suppliers_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'SupplierID'
          Title.Caption = 'Supplier ID'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'CompanyName'
          Title.Caption = 'Company Name'
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
          FieldName = 'HomePage'
          Title.Caption = 'Home Page'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
    object SupplierID_Lab: TLabel
      Left = 364
      Top = 44
      Width = 137
      Height = 16
      Caption = 'Supplier ID'
      Alignment = taRightJustify
      AutoSize = False
    end
    object SupplierID_DBEdt: TDBEdit
      Left = 508
      Top = 40
      Width = 120
      Height = 23
      DataField = 'SupplierID'
      DataSource = DM.Suppliers_DS
      TabOrder = 0
    end
    object CompanyName_Lab: TLabel
      Left = 352
      Top = 74
      Width = 149
      Height = 16
      Caption = 'Company Name'
      Alignment = taRightJustify
      AutoSize = False
    end
    object CompanyName_DBEdt: TDBEdit
      Left = 508
      Top = 70
      Width = 120
      Height = 23
      DataField = 'CompanyName'
      DataSource = DM.Suppliers_DS
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
      DataSource = DM.Suppliers_DS
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
      DataSource = DM.Suppliers_DS
      TabOrder = 0
    end
    object Address_DBMemo: TDBMemo
      Left = 684
      Top = 130
      Width = 120
      Height = 23
      DataField = 'Address'
      DataSource = DM.Suppliers_DS
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
      DataSource = DM.Suppliers_DS
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
      DataSource = DM.Suppliers_DS
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
      DataSource = DM.Suppliers_DS
      TabOrder = 0
    end
    object HomePage_Lab: TLabel
      Left = 388
      Top = 254
      Width = 113
      Height = 16
      Caption = 'Home Page'
      Alignment = taRightJustify
      AutoSize = False
    end
    object HomePage_DBEdt: TDBEdit
      Left = 508
      Top = 250
      Width = 120
      Height = 23
      DataField = 'HomePage'
      DataSource = DM.Suppliers_DS
      TabOrder = 0
    end
    object HomePage_DBMemo: TDBMemo
      Left = 684
      Top = 250
      Width = 120
      Height = 23
      DataField = 'HomePage'
      DataSource = DM.Suppliers_DS
      ScrollBars = ssVertical
      TabOrder = 0
    end
end
