object DM: TDM
  OldCreateOrder = False
  OnCreate = DataModuleCreate
  Left = 200
  Top = 120
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
    object Orders_CDSOrderID: TAutoIncField
      DisplayLabel = 'Order#'
      FieldName = 'OrderID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
    object Orders_CDSClient: TStringField
      DisplayLabel = 'Client'
      FieldName = 'Client'
      FixedChar = True
      Size = 30
    end
    object Orders_CDSShipped: TDateField
      FieldName = 'Shipped'
      DisplayFormat = 'dd/mm/yyyy'
    end
    object Orders_CDSPaid: TBooleanField
      FieldName = 'Paid'
    end
    object Orders_CDSTotal: TBCDField
      FieldName = 'Total'
      DisplayFormat = '#,##0.00'
      Precision = 19
    end
    object Orders_CDSBigTotal: TFMTBCDField
      FieldName = 'BigTotal'
      Precision = 30
      Size = 4
    end
    object Orders_CDSNote: TMemoField
      FieldName = 'Note'
      BlobType = ftMemo
    end
    object Orders_CDSQuantity: TSmallintField
      FieldName = 'Quantity'
      MinValue = 0
      MaxValue = 1000
    end
    object Orders_CDSLines: TWordField
      FieldName = 'Lines'
      Required = True
    end
    object Orders_CDSBankRef: TLargeintField
      FieldName = 'BankRef'
      EditFormat = '0'
    end
    object Orders_CDSRate: TFloatField
      FieldName = 'Rate'
      Currency = False
      Precision = 7
    end
    object Orders_CDSPrice: TCurrencyField
      FieldName = 'Price'
      DisplayFormat = '#,##0.00'
    end
    object Orders_CDSOrderTime: TTimeField
      FieldName = 'OrderTime'
      DisplayFormat = 'hh:nn'
    end
    object Orders_CDSCreated: TDateTimeField
      FieldName = 'Created'
      ReadOnly = True
      Visible = False
    end
    object Orders_CDSGuid: TGuidField
      FieldName = 'Guid'
      FixedChar = True
      Size = 38
    end
    object Orders_CDSCode: TWideStringField
      DisplayWidth = 4
      FieldName = 'Code'
      FixedChar = True
      Size = 4
    end
    object Orders_CDSStamp: TBytesField
      FieldName = 'Stamp'
      Size = 8
    end
    object Orders_CDSTag: TVarBytesField
      FieldName = 'Tag'
      Size = 32
    end
    object Orders_CDSPicture: TBlobField
      FieldName = 'Picture'
      BlobType = ftGraphic
      Size = 1
    end
    object Orders_CDSExtra: TVariantField
      FieldName = 'Extra'
      Alignment = taCenter
    end
  end
  object Orders_DS: TDataSource
    DataSet = Orders_CDS
    Left = 100
    Top = 210
  end
  object Clients_CDS: TClientDataSet
    Aggregates = <>
    ConnectionBroker = DBConnectionBroker
    Params = <>
    ProviderName = 'Clients_P'
    Left = 200
    Top = 160
    object Clients_CDSCode: TStringField
      FieldName = 'Code'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
      FixedChar = True
      Size = 30
    end
    object Clients_CDSName: TStringField
      FieldName = 'Name'
      Size = 40
    end
  end
  object Clients_DS: TDataSource
    DataSet = Clients_CDS
    Left = 200
    Top = 210
  end
end
