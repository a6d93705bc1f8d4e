object _2019Sales_Frm: T_2019Sales_Frm
  Caption = '_2019Sales'
  ClientHeight = 500
  ClientWidth = 960
    object _2019Sales_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM._2019Sales_DS
      TabOrder = 0
    end
    object _2019Sales_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 240
      Height = 160
      DataSource = DM._2019Sales_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = '1stQuarter'
          Title.Caption = '1st Quarter'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = '2nd Quarter'
          Title.Caption = '2nd  Quarter'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
    object _1stQuarter_Lab: TLabel
      Left = 408
      Top = 44
      Width = 93
      Height = 16
      Caption = '1st Quarter'
      Alignment = taRightJustify
      AutoSize = False
    end
    object _1stQuarter_DBEdt: TDBEdit
      Left = 508
      Top = 40
      Width = 120
      Height = 23
      DataField = '1stQuarter'
      DataSource = DM._2019Sales_DS
      TabOrder = 0
    end
    object _2ndQuarter_Lab: TLabel
      Left = 400
      Top = 74
      Width = 101
      Height = 16
      Caption = '2nd  Quarter'
      Alignment = taRightJustify
      AutoSize = False
    end
    object _2ndQuarter_DBEdt: TDBEdit
      Left = 508
      Top = 70
      Width = 120
      Height = 23
      DataField = '2nd Quarter'
      DataSource = DM._2019Sales_DS
      TabOrder = 0
    end
end
