object Object_Frm: TObject_Frm
  Caption = 'Object'
  ClientHeight = 500
  ClientWidth = 960
    object Object_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.Object_DS
      TabOrder = 0
    end
    object Object_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 240
      Height = 160
      DataSource = DM.Object_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'Record'
          Title.Caption = 'Record'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
    object Record_Lab: TLabel
      Left = 424
      Top = 44
      Width = 77
      Height = 16
      Caption = 'Record'
      Alignment = taRightJustify
      AutoSize = False
    end
    object Record_DBEdt: TDBEdit
      Left = 508
      Top = 40
      Width = 120
      Height = 23
      DataField = 'Record'
      DataSource = DM.Object_DS
      TabOrder = 0
    end
end
