object Parts_Frm: TParts_Frm
  Caption = 'Parts'
  ClientHeight = 500
  ClientWidth = 960
    object Parts_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.Parts_DS
      TabOrder = 0
    end
    object Parts_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 240
      Height = 160
      DataSource = DM.Parts_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'PartNo'
          Title.Caption = 'Part No'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'SizeBytes'
          Title.Caption = 'Size&Bytes'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'ClientName'
          Title.Caption = 'Customer name'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Notes'
          Title.Caption = 'Notes & remarks'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Maker'
          Title.Caption = 'Made'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
    object PartNo_Lab: TLabel
      Left = 400
      Top = 44
      Width = 101
      Height = 16
      Caption = 'Part No:'
      Alignment = taRightJustify
      AutoSize = False
    end
    object PartNo_DBEdt: TDBEdit
      Left = 508
      Top = 40
      Width = 120
      Height = 23
      DataField = 'PartNo'
      DataSource = DM.Parts_DS
      TabOrder = 0
    end
    object SizeBytes_Lab: TLabel
      Left = 364
      Top = 74
      Width = 137
      Height = 16
      Caption = 'Size&&Bytes:'
      Alignment = taRightJustify
      AutoSize = False
    end
    object SizeBytes_DBEdt: TDBEdit
      Left = 508
      Top = 70
      Width = 120
      Height = 23
      DataField = 'SizeBytes'
      DataSource = DM.Parts_DS
      TabOrder = 0
    end
    object ClientName_Lab: TLabel
      Left = 328
      Top = 104
      Width = 173
      Height = 16
      Caption = 'Customer name:'
      Alignment = taRightJustify
      AutoSize = False
    end
    object ClientName_DBEdt: TDBEdit
      Left = 508
      Top = 100
      Width = 120
      Height = 23
      DataField = 'ClientName'
      DataSource = DM.Parts_DS
      TabOrder = 0
    end
    object Notes_Lab: TLabel
      Left = 304
      Top = 134
      Width = 197
      Height = 16
      Caption = 'Notes && remarks:'
      Alignment = taRightJustify
      AutoSize = False
    end
    object Notes_DBEdt: TDBEdit
      Left = 508
      Top = 130
      Width = 120
      Height = 23
      DataField = 'Notes'
      DataSource = DM.Parts_DS
      TabOrder = 0
    end
    object Maker_Lab: TLabel
      Left = 436
      Top = 164
      Width = 65
      Height = 16
      Caption = 'Made:'
      Alignment = taRightJustify
      AutoSize = False
    end
    object Maker_DBEdt: TDBEdit
      Left = 508
      Top = 160
      Width = 120
      Height = 23
      DataField = 'Maker'
      DataSource = DM.Parts_DS
      TabOrder = 0
    end
end
