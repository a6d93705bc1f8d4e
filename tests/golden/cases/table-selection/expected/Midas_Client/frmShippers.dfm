object Shippers_Frm: TShippers_Frm
  Caption = 'Shippers'
  ClientHeight = 500
  ClientWidth = 960
    object Shippers_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.Shippers_DS
      TabOrder = 0
    end
    object Shippers_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 240
      Height = 160
      DataSource = DM.Shippers_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'ShipperID'
          Title.Caption = 'Shipper ID'
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
          FieldName = 'Phone'
          Title.Caption = 'Phone'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
    object ShipperID_Lab: TLabel
      Left = 376
      Top = 44
      Width = 125
      Height = 16
      Caption = 'Shipper ID'
      Alignment = taRightJustify
      AutoSize = False
    end
    object ShipperID_DBEdt: TDBEdit
      Left = 508
      Top = 40
      Width = 120
      Height = 23
      DataField = 'ShipperID'
      DataSource = DM.Shippers_DS
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
      DataSource = DM.Shippers_DS
      TabOrder = 0
    end
    object Phone_Lab: TLabel
      Left = 436
      Top = 104
      Width = 65
      Height = 16
      Caption = 'Phone'
      Alignment = taRightJustify
      AutoSize = False
    end
    object Phone_DBEdt: TDBEdit
      Left = 508
      Top = 100
      Width = 120
      Height = 23
      DataField = 'Phone'
      DataSource = DM.Shippers_DS
      TabOrder = 0
    end
end
