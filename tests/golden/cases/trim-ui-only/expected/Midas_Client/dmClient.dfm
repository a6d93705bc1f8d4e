object DM: TDM
  Height = 600
  Width = 700
  object DBConnectionBroker: TConnectionBroker
    Left = 40
    Top = 16
  end
  object Sales_Client_CDS: TClientDataSet
    Aggregates = <>
    ConnectionBroker = DBConnectionBroker
    Params = <>
    ProviderName = 'Sales_Client_P'
    Left = 100
    Top = 160
    Object Sales_Client_CDSClientID: TAutoIncField
      DisplayLabel = 'ClientID'
      FieldName = 'ClientID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
    Object Sales_Client_CDSClientName: TWideStringField
      DisplayLabel = 'ClientName'
      FieldName = 'ClientName'
      Size = 40
    end
  end
  object Sales_Client_DS: TDataSource
    DataSet = Sales_Client_CDS
    Left = 100
    Top = 210
  end
  object OrderDetails_CDS: TClientDataSet
    Aggregates = <>
    ConnectionBroker = DBConnectionBroker
    Params = <>
    ProviderName = 'OrderDetails_P'
    Left = 200
    Top = 160
    Object OrderDetails_CDSOrderID: TIntegerField
      DisplayLabel = 'OrderID'
      FieldName = 'OrderID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
    Object OrderDetails_CDSUnitPrice: TBCDField
      DisplayLabel = 'Unit Price'
      FieldName = 'Unit Price'
      DisplayFormat = '#.00,'
      Precision = 19
      Size = 4
    end
  end
  object OrderDetails_DS: TDataSource
    DataSet = OrderDetails_CDS
    Left = 200
    Top = 210
  end
  object Empty_CDS: TClientDataSet
    Aggregates = <>
    ConnectionBroker = DBConnectionBroker
    Params = <>
    ProviderName = 'Empty_P'
    Left = 300
    Top = 160
  end
  object Empty_DS: TDataSource
    DataSet = Empty_CDS
    Left = 300
    Top = 210
  end
  object ClientList_CDS: TClientDataSet
    Aggregates = <>
    ConnectionBroker = DBConnectionBroker
    Params = <>
    ProviderName = 'ClientList_P'
    Left = 400
    Top = 160
    Object ClientList_CDSClientName: TWideStringField
      DisplayLabel = 'ClientName'
      FieldName = 'ClientName'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
      Size = 40
    end
  end
  object ClientList_DS: TDataSource
    DataSet = ClientList_CDS
    Left = 400
    Top = 210
  end
end
