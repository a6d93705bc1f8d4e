object Orders_Frm: TOrders_Frm
  Caption = 'Orders'
  ClientHeight = 500
  ClientWidth = 960
    object Orders_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.Orders_DS
      TabOrder = 0
    end
    object Orders_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 240
      Height = 160
      DataSource = DM.Orders_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'OrderID'
          Title.Caption = 'Order ID'
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
    object OrderID_Lab: TLabel
      Left = 400
      Top = 44
      Width = 101
      Height = 16
      Caption = 'Order ID'
      Alignment = taRightJustify
      AutoSize = False
    end
    object OrderID_DBEdt: TDBEdit
      Left = 508
      Top = 40
      Width = 120
      Height = 23
      DataField = 'OrderID'
      DataSource = DM.Orders_DS
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
      DataSource = DM.Orders_DS
      TabOrder = 0
    end
end
