object Main_2_Frm: TMain_2_Frm
  Caption = 'Main_2'
  ClientHeight = 500
  ClientWidth = 960
    object Main_2_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.Main_2_DS
      TabOrder = 0
    end
    object Main_2_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 240
      Height = 160
      DataSource = DM.Main_2_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'MainID'
          Title.Caption = 'Main ID'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
    object MainID_Lab: TLabel
      Left = 412
      Top = 44
      Width = 89
      Height = 16
      Caption = 'Main ID'
      Alignment = taRightJustify
      AutoSize = False
    end
    object MainID_DBEdt: TDBEdit
      Left = 508
      Top = 40
      Width = 120
      Height = 23
      DataField = 'MainID'
      DataSource = DM.Main_2_DS
      TabOrder = 0
    end
end
