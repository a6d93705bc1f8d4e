object End_Frm: TEnd_Frm
  Caption = 'End'
  ClientHeight = 500
  ClientWidth = 960
    object End_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.End_DS
      TabOrder = 0
    end
    object End_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 240
      Height = 160
      DataSource = DM.End_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'Begin'
          Title.Caption = 'Begin'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Object'
          Title.Caption = 'Object'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
    object Begin_Lab: TLabel
      Left = 436
      Top = 44
      Width = 65
      Height = 16
      Caption = 'Begin'
      Alignment = taRightJustify
      AutoSize = False
    end
    object Begin_DBEdt: TDBEdit
      Left = 508
      Top = 40
      Width = 120
      Height = 23
      DataField = 'Begin'
      DataSource = DM.End_DS
      TabOrder = 0
    end
    object Object_Lab: TLabel
      Left = 424
      Top = 74
      Width = 77
      Height = 16
      Caption = 'Object'
      Alignment = taRightJustify
      AutoSize = False
    end
    object Object_DBEdt: TDBEdit
      Left = 508
      Top = 70
      Width = 120
      Height = 23
      DataField = 'Object'
      DataSource = DM.End_DS
      TabOrder = 0
    end
end
