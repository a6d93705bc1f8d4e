object Products_Frm: TProducts_Frm
  Caption = 'Products'
  ClientHeight = 500
  ClientWidth = 960
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
          Title.Caption = 'Product ID'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'ProductName'
          Title.Caption = 'Product Name'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'UnitPrice'
          Title.Caption = 'Unit Price'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
    object ProductID_Lab: TLabel
      Left = 376
      Top = 44
      Width = 125
      Height = 16
      Caption = 'Product ID'
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
      Left = 352
      Top = 74
      Width = 149
      Height = 16
      Caption = 'Product Name'
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
    object UnitPrice_Lab: TLabel
      Left = 376
      Top = 104
      Width = 125
      Height = 16
      Caption = 'Unit Price'
      Alignment = taRightJustify
      AutoSize = False
    end
    object UnitPrice_DBEdt: TDBEdit
      Left = 508
      Top = 100
      Width = 120
      Height = 23
      DataField = 'UnitPrice'
      DataSource = DM.Products_DS
      TabOrder = 0
    end
end
