object AppServer_RDM: TAppServer_RDM
  OldCreateOrder = False
  OnCreate = RemoteDataModuleCreate
  Height = 320
  Width = 480
  object DBConnection: TADOConnection
    LoginPrompt = False
    Left = 40
    Top = 16
  end
  Object Orders_D: TADOQuery
    Connection = DBConnection
    SQL.Strings = ('select * from Orders')
    Parameters = <>
    Left = 100
    Top = 160
    Object Orders_DOrderID: TAutoIncField
      DisplayLabel = 'Order#'
      FieldName = 'OrderID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
    Object Orders_DClientID: TIntegerField
      DisplayLabel = 'Client#'
      FieldName = 'ClientID'
    end
    Object Orders_DEmployeeID: TIntegerField
      DisplayLabel = 'Employee'
      FieldName = 'EmployeeID'
    end
    Object Orders_DOrderDate: TDateField
      DisplayLabel = 'Ordered'
      FieldName = 'OrderDate'
    end
    Object Orders_DOrderTime: TTimeField
      DisplayLabel = 'OrderTime'
      FieldName = 'OrderTime'
    end
    Object Orders_DRequiredDate: TDateField
      DisplayLabel = 'Due'
      FieldName = 'RequiredDate'
    end
    Object Orders_DFreight: TFMTBCDField
      DisplayLabel = 'Carriage'
      FieldName = 'Freight'
      Precision = 19
      Size = 4
    end
    Object Orders_DShipName: TStringField
      DisplayLabel = 'ShipName'
      FieldName = 'ShipName'
      Size = 40
    end
    Object Orders_DShipAddress: TStringField
      DisplayLabel = 'ShipAddress'
      FieldName = 'ShipAddress'
      Size = 80
    end
    Object Orders_DShipCity: TStringField
      DisplayLabel = 'ShipCity'
      FieldName = 'ShipCity'
      Size = 30
    end
    Object Orders_DShipPostalCode: TStringField
      DisplayLabel = 'ShipPostalCode'
      FieldName = 'ShipPostalCode'
      Size = 10
    end
    Object Orders_DOrderGuid: TGuidField
      DisplayLabel = 'OrderGuid'
      FieldName = 'OrderGuid'
    end
    Object Orders_DCreatedAt: TDateTimeField
      DisplayLabel = 'CreatedAt'
      FieldName = 'CreatedAt'
    end
    Object Orders_DComments: TMemoField
      DisplayLabel = 'Comments'
      FieldName = 'Comments'
      BlobType = ftMemo
    end
  end
  object Orders_P: TDataSetProvider
    DataSet = Orders_D
    Left = 100
    Top = 210
  end
  Object Sales_Client_D: TADOQuery
    Connection = DBConnection
    SQL.Strings = ('select * from Sales_Client')
    Parameters = <>
    Left = 200
    Top = 160
    Object Sales_Client_DClientID: TAutoIncField
      DisplayLabel = 'Client#'
      FieldName = 'ClientID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
    Object Sales_Client_DClientName: TStringField
      DisplayLabel = 'Client'
      FieldName = 'ClientName'
      Size = 40
    end
    Object Sales_Client_DContactName: TWideStringField
      DisplayLabel = 'Contact'
      FieldName = 'ContactName'
      Size = 60
    end
    Object Sales_Client_DAddress: TStringField
      DisplayLabel = 'Address'
      FieldName = 'Address'
      Size = 80
    end
    Object Sales_Client_DCity: TStringField
      DisplayLabel = 'City'
      FieldName = 'City'
      Size = 30
    end
    Object Sales_Client_DPostalCode: TStringField
      DisplayLabel = 'Postcode'
      FieldName = 'PostalCode'
      Size = 10
    end
    Object Sales_Client_DCountryCode: TWideStringField
      DisplayLabel = 'Country'
      FieldName = 'CountryCode'
      FixedChar = True
      Size = 2
    end
    Object Sales_Client_DPhone: TStringField
      DisplayLabel = 'Phone'
      FieldName = 'Phone'
      Size = 24
    end
    Object Sales_Client_DRegionID: TIntegerField
      DisplayLabel = 'RegionID'
      FieldName = 'RegionID'
    end
    Object Sales_Client_DCreditLimit: TBCDField
      DisplayLabel = 'Credit'
      FieldName = 'CreditLimit'
      Precision = 19
      Size = 4
    end
    Object Sales_Client_DIsActive: TBooleanField
      DisplayLabel = 'Active'
      FieldName = 'IsActive'
    end
    Object Sales_Client_DClientSince: TDateField
      DisplayLabel = 'Since'
      FieldName = 'ClientSince'
    end
    Object Sales_Client_DNotes: TMemoField
      DisplayLabel = 'Notes'
      FieldName = 'Notes'
      BlobType = ftMemo
    end
  end
  object Sales_Client_P: TDataSetProvider
    DataSet = Sales_Client_D
    Left = 200
    Top = 210
  end
  Object Sales_Region_D: TADOQuery
    Connection = DBConnection
    SQL.Strings = ('select * from Sales_Region')
    Parameters = <>
    Left = 300
    Top = 160
    Object Sales_Region_DRegionID: TAutoIncField
      DisplayLabel = 'RegionID'
      FieldName = 'RegionID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
    Object Sales_Region_DRegionCode: TStringField
      DisplayLabel = 'RegionCode'
      FieldName = 'RegionCode'
      FixedChar = True
      Size = 3
    end
    Object Sales_Region_DRegionName: TStringField
      DisplayLabel = 'Region'
      FieldName = 'RegionName'
      Size = 40
    end
    Object Sales_Region_DDescription: TMemoField
      DisplayLabel = 'Description'
      FieldName = 'Description'
      BlobType = ftMemo
    end
  end
  object Sales_Region_P: TDataSetProvider
    DataSet = Sales_Region_D
    Left = 300
    Top = 210
  end
end
