object Client_Frm: TClient_Frm
  Caption = 'Client'
  ClientHeight = 500
  ClientWidth = 960
    object Client_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.Client_DS
      TabOrder = 0
    end
    object Client_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 240
      Height = 160
      DataSource = DM.Client_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'ClientID'
          Title.Caption = 'Client ID'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'ClientName'
          Title.Caption = 'Client Name'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
    object ClientID_Lab: TLabel
      Left = 388
      Top = 44
      Width = 113
      Height = 16
      Caption = 'Client ID'
      Alignment = taRightJustify
      AutoSize = False
    end
    object ClientID_DBEdt: TDBEdit
      Left = 508
      Top = 40
      Width = 120
      Height = 23
      DataField = 'ClientID'
      DataSource = DM.Client_DS
      TabOrder = 0
    end
    object ClientName_Lab: TLabel
      Left = 364
      Top = 74
      Width = 137
      Height = 16
      Caption = 'Client Name'
      Alignment = taRightJustify
      AutoSize = False
    end
    object ClientName_DBEdt: TDBEdit
      Left = 508
      Top = 70
      Width = 120
      Height = 23
      DataField = 'ClientName'
      DataSource = DM.Client_DS
      TabOrder = 0
    end
end
