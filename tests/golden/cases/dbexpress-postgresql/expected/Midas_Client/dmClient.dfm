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
    Object Orders_CDSorder_id: TIntegerField
      DisplayLabel = 'order_id'
      FieldName = 'order_id'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
    Object Orders_CDSplaced: TSQLTimeStampField
      DisplayLabel = 'placed'
      FieldName = 'placed'
      DisplayFormat = 'MM/DD/YYYY'
    end
    Object Orders_CDStotal: TFMTBCDField
      DisplayLabel = 'total'
      FieldName = 'total'
      DisplayFormat = '#.00,'
      Precision = 12
      Size = 2
    end
  end
  object Orders_DS: TDataSource
    DataSet = Orders_CDS
    Left = 100
    Top = 210
  end
  object order_lines_CDS: TClientDataSet
    Aggregates = <>
    ConnectionBroker = DBConnectionBroker
    Params = <>
    ProviderName = 'order_lines_P'
    Left = 200
    Top = 160
    Object order_lines_CDSline_id: TIntegerField
      DisplayLabel = 'line_id'
      FieldName = 'line_id'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
    Object order_lines_CDSnote: TWideStringField
      DisplayLabel = 'note'
      FieldName = 'note'
      Size = 80
    end
  end
  object order_lines_DS: TDataSource
    DataSet = order_lines_CDS
    Left = 200
    Top = 210
  end
  object OrderDetails_CDS: TClientDataSet
    Aggregates = <>
    ConnectionBroker = DBConnectionBroker
    Params = <>
    ProviderName = 'OrderDetails_P'
    Left = 300
    Top = 160
    Object OrderDetails_CDSdetail_id: TIntegerField
      DisplayLabel = 'detail_id'
      FieldName = 'detail_id'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
  end
  object OrderDetails_DS: TDataSource
    DataSet = OrderDetails_CDS
    Left = 300
    Top = 210
  end
  object openorders_CDS: TClientDataSet
    Aggregates = <>
    ConnectionBroker = DBConnectionBroker
    Params = <>
    ProviderName = 'openorders_P'
    Left = 400
    Top = 160
    Object openorders_CDSorder_id: TIntegerField
      DisplayLabel = 'order_id'
      FieldName = 'order_id'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
  end
  object openorders_DS: TDataSource
    DataSet = openorders_CDS
    Left = 400
    Top = 210
  end
end
