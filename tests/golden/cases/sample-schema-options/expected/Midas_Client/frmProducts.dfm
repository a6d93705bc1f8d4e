object Products_Frm: TProducts_Frm
  Left = 260
  Top = 160
  Width = 960
  Height = 600
  AutoScroll = True
  Caption = 'Products'
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
    object Products_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.Products_DS
      TabOrder = 0
    end
    object Products_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 240
      Height = 160
      DataSource = DM.Products_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'ProductID'
          Title.Caption = 'Product'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'ProductName'
          Title.Caption = 'Article'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'SupplierID'
          Title.Caption = 'Supplier ID'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'CategoryID'
          Title.Caption = 'Category ID'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'QuantityPerUnit'
          Title.Caption = 'Quantity Per Unit'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'UnitPrice'
          Title.Caption = 'Price'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'UnitsInStock'
          Title.Caption = 'Stock'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'ReorderLevel'
          Title.Caption = 'Reorder Level'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Discontinued'
          Title.Caption = 'Withdrawn'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'WeightKg'
          Title.Caption = 'Weight Kg'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'BarCode'
          Title.Caption = 'Bar Code'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Picture'
          Title.Caption = 'Picture'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
    object ProductID_Lab: TLabel
      Left = 412
      Top = 44
      Width = 89
      Height = 16
      Caption = 'Product'
      Alignment = taRightJustify
      AutoSize = False
    end
    object ProductID_DBEdt: TDBEdit
      Left = 508
      Top = 40
      Width = 120
      Height = 23
      DataField = 'ProductID'
      DataSource = DM.Products_DS
      TabOrder = 0
    end
    object ProductName_Lab: TLabel
      Left = 412
      Top = 74
      Width = 89
      Height = 16
      Caption = 'Article'
      Alignment = taRightJustify
      AutoSize = False
    end
    object ProductName_DBEdt: TDBEdit
      Left = 508
      Top = 70
      Width = 120
      Height = 23
      DataField = 'ProductName'
      DataSource = DM.Products_DS
      TabOrder = 0
    end
    object SupplierID_Lab: TLabel
      Left = 364
      Top = 104
      Width = 137
      Height = 16
      Caption = 'Supplier ID'
      Alignment = taRightJustify
      AutoSize = False
    end
    object SupplierID_DBEdt: TDBEdit
      Left = 508
      Top = 100
      Width = 120
      Height = 23
      DataField = 'SupplierID'
      DataSource = DM.Products_DS
      TabOrder = 0
    end
    object SupplierID_DBLkpCbo: TDBLookupComboBox
      Left = 684
      Top = 100
      Width = 120
      Height = 23
      DataField = 'SupplierID'
      DataSource = DM.Products_DS
      KeyField = 'SupplierID'
      ListField = 'CompanyName'
      ListSource = DM.Suppliers_DS
      TabOrder = 0
    end
    object CategoryID_Lab: TLabel
      Left = 364
      Top = 134
      Width = 137
      Height = 16
      Caption = 'Category ID'
      Alignment = taRightJustify
      AutoSize = False
    end
    object CategoryID_DBEdt: TDBEdit
      Left = 508
      Top = 130
      Width = 120
      Height = 23
      DataField = 'CategoryID'
      DataSource = DM.Products_DS
      TabOrder = 0
    end
    object CategoryID_DBLkpCbo: TDBLookupComboBox
      Left = 684
      Top = 130
      Width = 120
      Height = 23
      DataField = 'CategoryID'
      DataSource = DM.Products_DS
      KeyField = 'CategoryID'
      ListField = 'CategoryName'
      ListSource = DM.Categories_DS
      TabOrder = 0
    end
    object QuantityPerUnit_Lab: TLabel
      Left = 292
      Top = 164
      Width = 209
      Height = 16
      Caption = 'Quantity Per Unit'
      Alignment = taRightJustify
      AutoSize = False
    end
    object QuantityPerUnit_DBEdt: TDBEdit
      Left = 508
      Top = 160
      Width = 120
      Height = 23
      DataField = 'QuantityPerUnit'
      DataSource = DM.Products_DS
      TabOrder = 0
    end
    object UnitPrice_Lab: TLabel
      Left = 436
      Top = 194
      Width = 65
      Height = 16
      Caption = 'Price'
      Alignment = taRightJustify
      AutoSize = False
    end
    object UnitPrice_DBEdt: TDBEdit
      Left = 508
      Top = 190
      Width = 120
      Height = 23
      DataField = 'UnitPrice'
      DataSource = DM.Products_DS
      TabOrder = 0
    end
    object UnitsInStock_Lab: TLabel
      Left = 436
      Top = 224
      Width = 65
      Height = 16
      Caption = 'Stock'
      Alignment = taRightJustify
      AutoSize = False
    end
    object UnitsInStock_DBEdt: TDBEdit
      Left = 508
      Top = 220
      Width = 120
      Height = 23
      DataField = 'UnitsInStock'
      DataSource = DM.Products_DS
      TabOrder = 0
    end
    object ReorderLevel_Lab: TLabel
      Left = 340
      Top = 254
      Width = 161
      Height = 16
      Caption = 'Reorder Level'
      Alignment = taRightJustify
      AutoSize = False
    end
    object ReorderLevel_DBEdt: TDBEdit
      Left = 508
      Top = 250
      Width = 120
      Height = 23
      DataField = 'ReorderLevel'
      DataSource = DM.Products_DS
      TabOrder = 0
    end
    object Discontinued_Lab: TLabel
      Left = 388
      Top = 284
      Width = 113
      Height = 16
      Caption = 'Withdrawn'
      Alignment = taRightJustify
      AutoSize = False
    end
    object Discontinued_DBChk: TDBCheckBox
      Left = 508
      Top = 280
      Width = 60
      Height = 23
      DataField = 'Discontinued'
      DataSource = DM.Products_DS
      TabOrder = 0
    end
    object WeightKg_Lab: TLabel
      Left = 388
      Top = 314
      Width = 113
      Height = 16
      Caption = 'Weight Kg'
      Alignment = taRightJustify
      AutoSize = False
    end
    object WeightKg_DBEdt: TDBEdit
      Left = 508
      Top = 310
      Width = 120
      Height = 23
      DataField = 'WeightKg'
      DataSource = DM.Products_DS
      TabOrder = 0
    end
    object BarCode_Lab: TLabel
      Left = 400
      Top = 344
      Width = 101
      Height = 16
      Caption = 'Bar Code'
      Alignment = taRightJustify
      AutoSize = False
    end
    object BarCode_DBEdt: TDBEdit
      Left = 508
      Top = 340
      Width = 120
      Height = 23
      DataField = 'BarCode'
      DataSource = DM.Products_DS
      TabOrder = 0
    end
    object Picture_Lab: TLabel
      Left = 412
      Top = 374
      Width = 89
      Height = 16
      Caption = 'Picture'
      Alignment = taRightJustify
      AutoSize = False
    end
    object Picture_DBEdt: TDBEdit
      Left = 508
      Top = 370
      Width = 120
      Height = 23
      DataField = 'Picture'
      DataSource = DM.Products_DS
      TabOrder = 0
    end
end
