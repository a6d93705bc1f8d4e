object Type_Frm: TType_Frm
  Caption = 'Type'
  ClientHeight = 500
  ClientWidth = 960
    object Type_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.Type_DS
      TabOrder = 0
    end
    object Type_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 240
      Height = 160
      DataSource = DM.Type_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'Type'
          Title.Caption = 'Type'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'End'
          Title.Caption = 'End'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
    object Type_Lab: TLabel
      Left = 448
      Top = 44
      Width = 53
      Height = 16
      Caption = 'Type'
      Alignment = taRightJustify
      AutoSize = False
    end
    object Type_DBEdt: TDBEdit
      Left = 508
      Top = 40
      Width = 120
      Height = 23
      DataField = 'Type'
      DataSource = DM.Type_DS
      TabOrder = 0
    end
    object End_Lab: TLabel
      Left = 460
      Top = 74
      Width = 41
      Height = 16
      Caption = 'End'
      Alignment = taRightJustify
      AutoSize = False
    end
    object End_DBEdt: TDBEdit
      Left = 508
      Top = 70
      Width = 120
      Height = 23
      DataField = 'End'
      DataSource = DM.Type_DS
      TabOrder = 0
    end
end
