object OrderDetails_3_Frm: TOrderDetails_3_Frm
  Caption = 'OrderDetails_3'
  ClientHeight = 500
  ClientWidth = 960
    object OrderDetails_3_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.OrderDetails_3_DS
      TabOrder = 0
    end
    object OrderDetails_3_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 240
      Height = 160
      DataSource = DM.OrderDetails_3_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'DetailID'
          Title.Caption = 'Detail ID'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Note'
          Title.Caption = 'Note'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
    object DetailID_Lab: TLabel
      Left = 388
      Top = 44
      Width = 113
      Height = 16
      Caption = 'Detail ID'
      Alignment = taRightJustify
      AutoSize = False
    end
    object DetailID_DBEdt: TDBEdit
      Left = 508
      Top = 40
      Width = 120
      Height = 23
      DataField = 'DetailID'
      DataSource = DM.OrderDetails_3_DS
      TabOrder = 0
    end
    object Note_Lab: TLabel
      Left = 448
      Top = 74
      Width = 53
      Height = 16
      Caption = 'Note'
      Alignment = taRightJustify
      AutoSize = False
    end
    object Note_DBEdt: TDBEdit
      Left = 508
      Top = 70
      Width = 120
      Height = 23
      DataField = 'Note'
      DataSource = DM.OrderDetails_3_DS
      TabOrder = 0
    end
end
