object DM: TDM
  Height = 600
  Width = 700
  object DBConnectionBroker: TConnectionBroker
    Left = 40
    Top = 16
  end
  object Orders_CDS: TClientDataSet
    Aggregates = <>
    ConnectionBroker = DBConnectionBroker
    Params = <>
    ProviderName = 'Orders_P'
    Left = 100
    Top = 160
    Object Orders_CDSOrderID: TIntegerField
      DisplayLabel = 'OrderID'
      FieldName = 'OrderID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
    Object Orders_CDSShipped: TDateField
      DisplayLabel = 'Shipped'
      FieldName = 'Shipped'
      DisplayFormat = 'MM/DD/YYYY'
    end
  end
  object Orders_DS: TDataSource
    DataSet = Orders_CDS
    Left = 100
    Top = 210
  end
  object OrderLines_CDS: TClientDataSet
    Aggregates = <>
    ConnectionBroker = DBConnectionBroker
    Params = <>
    ProviderName = 'OrderLines_P'
    Left = 200
    Top = 160
    Object OrderLines_CDSLineID: TIntegerField
      DisplayLabel = 'LineID'
      FieldName = 'LineID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
  end
  object OrderLines_DS: TDataSource
    DataSet = OrderLines_CDS
    Left = 200
    Top = 210
  end
end
