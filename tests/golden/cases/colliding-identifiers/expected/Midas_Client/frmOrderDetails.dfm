object OrderDetails_Frm: TOrderDetails_Frm
  Caption = 'OrderDetails'
  ClientHeight = 500
  ClientWidth = 960
    object OrderDetails_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.OrderDetails_DS
      TabOrder = 0
    end
    object OrderDetails_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 240
      Height = 160
      DataSource = DM.OrderDetails_DS
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
          FieldName = 'Quantity'
          Title.Caption = 'Quantity'
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
      DataSource = DM.OrderDetails_DS
      TabOrder = 0
    end
    object Quantity_Lab: TLabel
      Left = 400
      Top = 74
      Width = 101
      Height = 16
      Caption = 'Quantity'
      Alignment = taRightJustify
      AutoSize = False
    end
    object Quantity_DBEdt: TDBEdit
      Left = 508
      Top = 70
      Width = 120
      Height = 23
      DataField = 'Quantity'
      DataSource = DM.OrderDetails_DS
      TabOrder = 0
    end
end
