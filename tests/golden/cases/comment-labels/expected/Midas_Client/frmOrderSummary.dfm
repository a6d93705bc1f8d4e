object OrderSummary_Frm: TOrderSummary_Frm
  Caption = 'OrderSummary'
  ClientHeight = 500
  ClientWidth = 960
    object OrderSummary_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.OrderSummary_DS
      TabOrder = 0
    end
    object OrderSummary_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 240
      Height = 160
      DataSource = DM.OrderSummary_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'OrderID'
          Title.Caption = 'Order ID'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'CompanyName'
          Title.Caption = 'Customer''s name'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Total'
          Title.Caption = 'Total'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
    object OrderID_Lab: TLabel
      Left = 400
      Top = 44
      Width = 101
      Height = 16
      Caption = 'Order ID'
      Alignment = taRightJustify
      AutoSize = False
    end
    object OrderID_DBEdt: TDBEdit
      Left = 508
      Top = 40
      Width = 120
      Height = 23
      DataField = 'OrderID'
      DataSource = DM.OrderSummary_DS
      TabOrder = 0
    end
    object CompanyName_Lab: TLabel
      Left = 316
      Top = 74
      Width = 185
      Height = 16
      Caption = 'Customer''s name'
      Alignment = taRightJustify
      AutoSize = False
    end
    object CompanyName_DBEdt: TDBEdit
      Left = 508
      Top = 70
      Width = 120
      Height = 23
      DataField = 'CompanyName'
      DataSource = DM.OrderSummary_DS
      TabOrder = 0
    end
    object Total_Lab: TLabel
      Left = 436
      Top = 104
      Width = 65
      Height = 16
      Caption = 'Total'
      Alignment = taRightJustify
      AutoSize = False
    end
    object Total_DBEdt: TDBEdit
      Left = 508
      Top = 100
      Width = 120
      Height = 23
      DataField = 'Total'
      DataSource = DM.OrderSummary_DS
      TabOrder = 0
    end
end
