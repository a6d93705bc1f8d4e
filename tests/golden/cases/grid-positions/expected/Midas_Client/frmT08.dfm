object T08_Frm: TT08_Frm
  Caption = 'T08'
  ClientHeight = 500
  ClientWidth = 960
    object T08_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.T08_DS
      TabOrder = 0
    end
    object T08_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 240
      Height = 160
      DataSource = DM.T08_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'ID'
          Title.Caption = 'ID'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
    object ID_Lab: TLabel
      Left = 472
      Top = 44
      Width = 29
      Height = 16
      Caption = 'ID'
      Alignment = taRightJustify
      AutoSize = False
    end
    object ID_DBEdt: TDBEdit
      Left = 508
      Top = 40
      Width = 120
      Height = 23
      DataField = 'ID'
      DataSource = DM.T08_DS
      TabOrder = 0
    end
end
