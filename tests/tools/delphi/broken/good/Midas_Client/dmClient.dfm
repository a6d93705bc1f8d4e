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
  end
  object Orders_DS: TDataSource
    DataSet = Orders_CDS
    Left = 100
    Top = 210
  end
end
