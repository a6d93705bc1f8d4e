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
    Object Orders_CDSNote: TStringField
      DisplayLabel = 'Note'
      FieldName = 'Note'
      Size = 20
    end
  end
  object Orders_DS: TDataSource
    DataSet = Orders_CDS
    Left = 100
    Top = 210
  end
  object Lines_CDS: TClientDataSet
    Aggregates = <>
    ConnectionBroker = DBConnectionBroker
    Params = <>
    ProviderName = 'Lines_P'
    Left = 200
    Top = 160
    Object Lines_CDSLineID: TIntegerField
      DisplayLabel = 'LineID'
      FieldName = 'LineID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
  end
  object Lines_DS: TDataSource
    DataSet = Lines_CDS
    Left = 200
    Top = 210
  end
end
