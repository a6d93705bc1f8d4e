object OrderDetails_2_Frm: TOrderDetails_2_Frm
  Caption = 'OrderDetails_2'
  ClientHeight = 500
  ClientWidth = 960
    object OrderDetails_2_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.OrderDetails_2_DS
      TabOrder = 0
    end
    object OrderDetails_2_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 240
      Height = 160
      DataSource = DM.OrderDetails_2_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'Code'
          Title.Caption = 'Code'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
    object Code_Lab: TLabel
      Left = 448
      Top = 44
      Width = 53
      Height = 16
      Caption = 'Code'
      Alignment = taRightJustify
      AutoSize = False
    end
    object Code_DBEdt: TDBEdit
      Left = 508
      Top = 40
      Width = 120
      Height = 23
      DataField = 'Code'
      DataSource = DM.OrderDetails_2_DS
      TabOrder = 0
    end
end
