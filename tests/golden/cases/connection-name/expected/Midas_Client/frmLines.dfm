object Lines_Frm: TLines_Frm
  Caption = 'Lines'
  ClientHeight = 500
  ClientWidth = 960
    object Lines_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.Lines_DS
      TabOrder = 0
    end
    object Lines_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 240
      Height = 160
      DataSource = DM.Lines_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'LineID'
          Title.Caption = 'Line ID'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
    object LineID_Lab: TLabel
      Left = 412
      Top = 44
      Width = 89
      Height = 16
      Caption = 'Line ID'
      Alignment = taRightJustify
      AutoSize = False
    end
    object LineID_DBEdt: TDBEdit
      Left = 508
      Top = 40
      Width = 120
      Height = 23
      DataField = 'LineID'
      DataSource = DM.Lines_DS
      TabOrder = 0
    end
end
