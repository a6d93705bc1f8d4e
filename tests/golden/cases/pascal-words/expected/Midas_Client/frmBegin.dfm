object Begin_Frm: TBegin_Frm
  Caption = 'Begin'
  ClientHeight = 500
  ClientWidth = 960
    object Begin_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.Begin_DS
      TabOrder = 0
    end
    object Begin_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 240
      Height = 160
      DataSource = DM.Begin_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'Class'
          Title.Caption = 'Class'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
    object Class_Lab: TLabel
      Left = 436
      Top = 44
      Width = 65
      Height = 16
      Caption = 'Class'
      Alignment = taRightJustify
      AutoSize = False
    end
    object Class_DBChk: TDBCheckBox
      Left = 508
      Top = 40
      Width = 60
      Height = 23
      DataField = 'Class'
      DataSource = DM.Begin_DS
      TabOrder = 0
    end
end
