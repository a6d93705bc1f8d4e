object DM: TDM
  OldCreateOrder = False
  OnCreate = DataModuleCreate
  Height = 360
  Width = 520
  object DBConnectionBroker: TConnectionBroker
    Connection = DCOMConnection
    Left = 48
    Top = 16
  end
  object DCOMConnection: TDCOMConnection
    ServerName = 'Midas_AppServer.AppServer_RDM'
    Left = 168
    Top = 16
  end
  object SocketConnection: TSocketConnection
    ServerName = 'Midas_AppServer.AppServer_RDM'
    Host = 'localhost'
    Left = 288
    Top = 16
  end
  object WebConnection: TWebConnection
    ServerName = 'Midas_AppServer.AppServer_RDM'
    URL = 'http://localhost/scripts/httpsrvr.dll'
    Left = 408
    Top = 16
  end
  object Orders_CDS: TClientDataSet
    Aggregates = <>
    ConnectionBroker = DBConnectionBroker
    Params = <>
    ProviderName = 'Orders_P'
    Left = 100
    Top = 160
    Object Orders_CDSOrderID: TAutoIncField
      DisplayLabel = 'Order#'
      FieldName = 'OrderID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
    Object Orders_CDSClientID: TIntegerField
      DisplayLabel = 'Client#'
      FieldName = 'ClientID'
    end
    Object Orders_CDSEmployeeID: TIntegerField
      DisplayLabel = 'Employee'
      FieldName = 'EmployeeID'
    end
    Object Orders_CDSOrderDate: TDateField
      DisplayLabel = 'Ordered'
      FieldName = 'OrderDate'
      DisplayFormat = 'MM/DD/YYYY'
    end
    Object Orders_CDSOrderTime: TTimeField
      DisplayLabel = 'OrderTime'
      FieldName = 'OrderTime'
    end
    Object Orders_CDSRequiredDate: TDateField
      DisplayLabel = 'Due'
      FieldName = 'RequiredDate'
      DisplayFormat = 'MM/DD/YYYY'
    end
    Object Orders_CDSFreight: TFMTBCDField
      DisplayLabel = 'Carriage'
      FieldName = 'Freight'
      DisplayFormat = '#.00,'
      Precision = 19
      Size = 4
    end
    Object Orders_CDSShipName: TStringField
      DisplayLabel = 'ShipName'
      FieldName = 'ShipName'
      Size = 40
    end
    Object Orders_CDSShipAddress: TStringField
      DisplayLabel = 'ShipAddress'
      FieldName = 'ShipAddress'
      Size = 80
    end
    Object Orders_CDSShipCity: TStringField
      DisplayLabel = 'ShipCity'
      FieldName = 'ShipCity'
      Size = 30
    end
    Object Orders_CDSShipPostalCode: TStringField
      DisplayLabel = 'ShipPostalCode'
      FieldName = 'ShipPostalCode'
      Size = 10
    end
    Object Orders_CDSOrderGuid: TGuidField
      DisplayLabel = 'OrderGuid'
      FieldName = 'OrderGuid'
    end
    Object Orders_CDSCreatedAt: TDateTimeField
      DisplayLabel = 'CreatedAt'
      FieldName = 'CreatedAt'
      DisplayFormat = 'MM/DD/YYYY'
    end
    Object Orders_CDSComments: TMemoField
      DisplayLabel = 'Comments'
      FieldName = 'Comments'
      BlobType = ftMemo
    end
  end
  object Orders_DS: TDataSource
    DataSet = Orders_CDS
    Left = 100
    Top = 210
  end
  object Sales_Client_CDS: TClientDataSet
    Aggregates = <>
    ConnectionBroker = DBConnectionBroker
    Params = <>
    ProviderName = 'Sales_Client_P'
    Left = 200
    Top = 160
    Object Sales_Client_CDSClientID: TAutoIncField
      DisplayLabel = 'Client#'
      FieldName = 'ClientID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
    Object Sales_Client_CDSClientName: TStringField
      DisplayLabel = 'Client'
      FieldName = 'ClientName'
      Size = 40
    end
    Object Sales_Client_CDSContactName: TWideStringField
      DisplayLabel = 'Contact'
      FieldName = 'ContactName'
      Size = 60
    end
    Object Sales_Client_CDSAddress: TStringField
      DisplayLabel = 'Address'
      FieldName = 'Address'
      Size = 80
    end
    Object Sales_Client_CDSCity: TStringField
      DisplayLabel = 'City'
      FieldName = 'City'
      Size = 30
    end
    Object Sales_Client_CDSPostalCode: TStringField
      DisplayLabel = 'Postcode'
      FieldName = 'PostalCode'
      Size = 10
    end
    Object Sales_Client_CDSCountryCode: TWideStringField
      DisplayLabel = 'Country'
      FieldName = 'CountryCode'
      FixedChar = True
      Size = 2
    end
    Object Sales_Client_CDSPhone: TStringField
      DisplayLabel = 'Phone'
      FieldName = 'Phone'
      Size = 24
    end
    Object Sales_Client_CDSRegionID: TIntegerField
      DisplayLabel = 'RegionID'
      FieldName = 'RegionID'
    end
    Object Sales_Client_CDSCreditLimit: TBCDField
      DisplayLabel = 'Credit'
      FieldName = 'CreditLimit'
      DisplayFormat = '#.00,'
      Precision = 19
      Size = 4
    end
    Object Sales_Client_CDSIsActive: TBooleanField
      DisplayLabel = 'Active'
      FieldName = 'IsActive'
    end
    Object Sales_Client_CDSClientSince: TDateField
      DisplayLabel = 'Since'
      FieldName = 'ClientSince'
      DisplayFormat = 'MM/DD/YYYY'
    end
    Object Sales_Client_CDSNotes: TMemoField
      DisplayLabel = 'Notes'
      FieldName = 'Notes'
      BlobType = ftMemo
    end
  end
  object Sales_Client_DS: TDataSource
    DataSet = Sales_Client_CDS
    Left = 200
    Top = 210
  end
  object Sales_Region_CDS: TClientDataSet
    Aggregates = <>
    ConnectionBroker = DBConnectionBroker
    Params = <>
    ProviderName = 'Sales_Region_P'
    Left = 300
    Top = 160
    Object Sales_Region_CDSRegionID: TAutoIncField
      DisplayLabel = 'RegionID'
      FieldName = 'RegionID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
    Object Sales_Region_CDSRegionCode: TStringField
      DisplayLabel = 'RegionCode'
      FieldName = 'RegionCode'
      FixedChar = True
      Size = 3
    end
    Object Sales_Region_CDSRegionName: TStringField
      DisplayLabel = 'Region'
      FieldName = 'RegionName'
      Size = 40
    end
    Object Sales_Region_CDSDescription: TMemoField
      DisplayLabel = 'Description'
      FieldName = 'Description'
      BlobType = ftMemo
    end
  end
  object Sales_Region_DS: TDataSource
    DataSet = Sales_Region_CDS
    Left = 300
    Top = 210
  end
end
