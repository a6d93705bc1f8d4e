object ClientList_Frm: TClientList_Frm
  Caption = 'ClientList'
  ClientHeight = 500
  ClientWidth = 960
    object ClientList_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.ClientList_DS
      TabOrder = 0
    end
    object ClientList_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 240
      Height = 160
      DataSource = DM.ClientList_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'ClientName'
          Title.Caption = 'Client Name'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
    object ClientName_Lab: TLabel
      Left = 364
      Top = 44
      Width = 137
      Height = 16
      Caption = 'Client Name'
      Alignment = taRightJustify
      AutoSize = False
    end
    object ClientName_DBEdt: TDBEdit
      Left = 508
      Top = 40
      Width = 120
      Height = 23
      DataField = 'ClientName'
      DataSource = DM.ClientList_DS
      TabOrder = 0
    end
end
