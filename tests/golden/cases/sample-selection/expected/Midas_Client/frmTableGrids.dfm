object TableGrids_Frm: TTableGrids_Frm
  Left = 220
  Top = 120
  Width = 800
  Height = 560
  Caption = 'All Tables'
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Tahoma'
  Font.Style = []
  OldCreateOrder = False
  Position = poDefaultPosOnly
  OnCloseQuery = FormCloseQuery
  OnShow = FormShow
  PixelsPerInch = 96
  TextHeight = 13
  object PC: TPageControl
    Left = 24
    Top = 24
    Width = 800
    Height = 600
    TabOrder = 0
  Object Orders_TS : TTabSheet
    Caption = 'Orders'
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
      Width = 600
      Height = 300
      DataSource = DM.Orders_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'OrderID'
          Title.Caption = 'Order#'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'ClientID'
          Title.Caption = 'Client#'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'EmployeeID'
          Title.Caption = 'Employee'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'OrderDate'
          Title.Caption = 'Ordered'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'OrderTime'
          Title.Caption = 'Order Time'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'RequiredDate'
          Title.Caption = 'Due'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Freight'
          Title.Caption = 'Carriage'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'ShipName'
          Title.Caption = 'Ship Name'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'ShipAddress'
          Title.Caption = 'Ship Address'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'ShipCity'
          Title.Caption = 'Ship City'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'ShipPostalCode'
          Title.Caption = 'Ship Postal Code'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'OrderGuid'
          Title.Caption = 'Order Guid'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'CreatedAt'
          Title.Caption = 'Created At'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Comments'
          Title.Caption = 'Comments'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
  end
  Object Sales_Client_TS : TTabSheet
    Caption = 'Sales_Client'
    object Sales_Client_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.Sales_Client_DS
      TabOrder = 0
    end
    object Sales_Client_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 600
      Height = 300
      DataSource = DM.Sales_Client_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'ClientID'
          Title.Caption = 'Client#'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'ClientName'
          Title.Caption = 'Client'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'ContactName'
          Title.Caption = 'Contact'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Address'
          Title.Caption = 'Address'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'City'
          Title.Caption = 'City'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'PostalCode'
          Title.Caption = 'Postcode'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'CountryCode'
          Title.Caption = 'Country'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Phone'
          Title.Caption = 'Phone'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'RegionID'
          Title.Caption = 'Region ID'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'CreditLimit'
          Title.Caption = 'Credit'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'IsActive'
          Title.Caption = 'Active'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'ClientSince'
          Title.Caption = 'Since'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Notes'
          Title.Caption = 'Notes'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
  end
  Object Sales_Region_TS : TTabSheet
    Caption = 'Sales_Region'
    object Sales_Region_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.Sales_Region_DS
      TabOrder = 0
    end
    object Sales_Region_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 600
      Height = 300
      DataSource = DM.Sales_Region_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'RegionID'
          Title.Caption = 'Region ID'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'RegionCode'
          Title.Caption = 'Region Code'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'RegionName'
          Title.Caption = 'Region'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Description'
          Title.Caption = 'Description'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
  end
  end
end
