object T03_Frm: TT03_Frm
  Caption = 'T03'
  ClientHeight = 500
  ClientWidth = 960
    object T03_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.T03_DS
      TabOrder = 0
    end
    object T03_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 240
      Height = 160
      DataSource = DM.T03_DS
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
      DataSource = DM.T03_DS
      TabOrder = 0
    end
end
