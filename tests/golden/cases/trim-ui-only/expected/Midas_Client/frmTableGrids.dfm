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
  Object Client_TS : TTabSheet
    Caption = 'Client'
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
      Width = 600
      Height = 300
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
  end
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
          FieldName = 'Unit Price'
          Title.Caption = 'Unit  Price'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
  end
  Object Empty_TS : TTabSheet
    Caption = 'Empty'
    object Empty_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.Empty_DS
      TabOrder = 0
    end
    object Empty_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 600
      Height = 300
      DataSource = DM.Empty_DS
      TabOrder = 0
       Columns = <
      >
    end
  end
  Object ClientList_TS : TTabSheet
    Caption = 'ClientList'
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
      Width = 600
      Height = 300
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
  end
  end
end
