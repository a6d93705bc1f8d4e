object Customers_Frm: TCustomers_Frm
  Caption = 'Customers'
  ClientHeight = 500
  ClientWidth = 960
    object Customers_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.Customers_DS
      TabOrder = 0
    end
    object Customers_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 240
      Height = 160
      DataSource = DM.Customers_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'CustomerID'
          Title.Caption = 'Customer ID'
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
          FieldName = 'Gr'#246#223'e'
          Title.Caption = 'Gr'#246#223'e'
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
    object CustomerID_Lab: TLabel
      Left = 364
      Top = 44
      Width = 137
      Height = 16
      Caption = 'Customer ID'
      Alignment = taRightJustify
      AutoSize = False
    end
    object CustomerID_DBEdt: TDBEdit
      Left = 508
      Top = 40
      Width = 120
      Height = 23
      DataField = 'CustomerID'
      DataSource = DM.Customers_DS
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
      DataSource = DM.Customers_DS
      TabOrder = 0
    end
    object Gre_Lab: TLabel
      Left = 412
      Top = 104
      Width = 89
      Height = 16
      Caption = 'Gr'#246#223'e'
      Alignment = taRightJustify
      AutoSize = False
    end
    object Gre_DBEdt: TDBEdit
      Left = 508
      Top = 100
      Width = 120
      Height = 23
      DataField = 'Gr'#246#223'e'
      DataSource = DM.Customers_DS
      TabOrder = 0
    end
    object Phone_Lab: TLabel
      Left = 436
      Top = 134
      Width = 65
      Height = 16
      Caption = 'Phone'
      Alignment = taRightJustify
      AutoSize = False
    end
    object Phone_DBEdt: TDBEdit
      Left = 508
      Top = 130
      Width = 120
      Height = 23
      DataField = 'Phone'
      DataSource = DM.Customers_DS
      TabOrder = 0
    end
end
