object TableGrids_Frm: TTableGrids_Frm
  Caption = 'All Tables'
  ClientHeight = 650
  ClientWidth = 850
  object PC: TPageControl
    Left = 24
    Top = 24
    Width = 800
    Height = 600
    TabOrder = 0
  Object OrderDetails_TS : TTabSheet
    Caption = 'OrderDetails'
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
      Width = 600
      Height = 300
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
  end
  Object OrderDetails_3_TS : TTabSheet
    Caption = 'OrderDetails_3'
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
      Width = 600
      Height = 300
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
  end
  Object OrderDetails_2_TS : TTabSheet
    Caption = 'OrderDetails_2'
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
      Width = 600
      Height = 300
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
  end
  Object ORDERDETAILS_4_TS : TTabSheet
    Caption = 'ORDERDETAILS_4'
    object ORDERDETAILS_4_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.ORDERDETAILS_4_DS
      TabOrder = 0
    end
    object ORDERDETAILS_4_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 600
      Height = 300
      DataSource = DM.ORDERDETAILS_4_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'Flag'
          Title.Caption = 'Flag'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
  end
  Object Main_2_TS : TTabSheet
    Caption = 'Main_2'
    object Main_2_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.Main_2_DS
      TabOrder = 0
    end
    object Main_2_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 600
      Height = 300
      DataSource = DM.Main_2_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'MainID'
          Title.Caption = 'Main ID'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
  end
  end
end
