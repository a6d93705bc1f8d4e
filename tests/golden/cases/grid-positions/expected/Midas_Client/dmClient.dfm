object DM: TDM
  Height = 600
  Width = 700
  object DBConnectionBroker: TConnectionBroker
    Left = 40
    Top = 16
  end
  object T01_CDS: TClientDataSet
    Aggregates = <>
    ConnectionBroker = DBConnectionBroker
    Params = <>
    ProviderName = 'T01_P'
    Left = 100
    Top = 160
    Object T01_CDSID: TAutoIncField
      DisplayLabel = 'ID'
      FieldName = 'ID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
  end
  object T01_DS: TDataSource
    DataSet = T01_CDS
    Left = 100
    Top = 210
  end
  object T02_CDS: TClientDataSet
    Aggregates = <>
    ConnectionBroker = DBConnectionBroker
    Params = <>
    ProviderName = 'T02_P'
    Left = 200
    Top = 160
    Object T02_CDSID: TAutoIncField
      DisplayLabel = 'ID'
      FieldName = 'ID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
  end
  object T02_DS: TDataSource
    DataSet = T02_CDS
    Left = 200
    Top = 210
  end
  object T03_CDS: TClientDataSet
    Aggregates = <>
    ConnectionBroker = DBConnectionBroker
    Params = <>
    ProviderName = 'T03_P'
    Left = 300
    Top = 160
    Object T03_CDSID: TAutoIncField
      DisplayLabel = 'ID'
      FieldName = 'ID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
  end
  object T03_DS: TDataSource
    DataSet = T03_CDS
    Left = 300
    Top = 210
  end
  object T04_CDS: TClientDataSet
    Aggregates = <>
    ConnectionBroker = DBConnectionBroker
    Params = <>
    ProviderName = 'T04_P'
    Left = 400
    Top = 160
    Object T04_CDSID: TAutoIncField
      DisplayLabel = 'ID'
      FieldName = 'ID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
  end
  object T04_DS: TDataSource
    DataSet = T04_CDS
    Left = 400
    Top = 210
  end
  object T05_CDS: TClientDataSet
    Aggregates = <>
    ConnectionBroker = DBConnectionBroker
    Params = <>
    ProviderName = 'T05_P'
    Left = 500
    Top = 160
    Object T05_CDSID: TAutoIncField
      DisplayLabel = 'ID'
      FieldName = 'ID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
  end
  object T05_DS: TDataSource
    DataSet = T05_CDS
    Left = 500
    Top = 210
  end
  object T06_CDS: TClientDataSet
    Aggregates = <>
    ConnectionBroker = DBConnectionBroker
    Params = <>
    ProviderName = 'T06_P'
    Left = 100
    Top = 300
    Object T06_CDSID: TAutoIncField
      DisplayLabel = 'ID'
      FieldName = 'ID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
  end
  object T06_DS: TDataSource
    DataSet = T06_CDS
    Left = 100
    Top = 350
  end
  object T07_CDS: TClientDataSet
    Aggregates = <>
    ConnectionBroker = DBConnectionBroker
    Params = <>
    ProviderName = 'T07_P'
    Left = 200
    Top = 300
    Object T07_CDSID: TAutoIncField
      DisplayLabel = 'ID'
      FieldName = 'ID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
  end
  object T07_DS: TDataSource
    DataSet = T07_CDS
    Left = 200
    Top = 350
  end
  object T08_CDS: TClientDataSet
    Aggregates = <>
    ConnectionBroker = DBConnectionBroker
    Params = <>
    ProviderName = 'T08_P'
    Left = 300
    Top = 300
    Object T08_CDSID: TAutoIncField
      DisplayLabel = 'ID'
      FieldName = 'ID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
  end
  object T08_DS: TDataSource
    DataSet = T08_CDS
    Left = 300
    Top = 350
  end
  object T09_CDS: TClientDataSet
    Aggregates = <>
    ConnectionBroker = DBConnectionBroker
    Params = <>
    ProviderName = 'T09_P'
    Left = 400
    Top = 300
    Object T09_CDSID: TAutoIncField
      DisplayLabel = 'ID'
      FieldName = 'ID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
  end
  object T09_DS: TDataSource
    DataSet = T09_CDS
    Left = 400
    Top = 350
  end
  object T10_CDS: TClientDataSet
    Aggregates = <>
    ConnectionBroker = DBConnectionBroker
    Params = <>
    ProviderName = 'T10_P'
    Left = 500
    Top = 300
    Object T10_CDSID: TAutoIncField
      DisplayLabel = 'ID'
      FieldName = 'ID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
  end
  object T10_DS: TDataSource
    DataSet = T10_CDS
    Left = 500
    Top = 350
  end
  object T11_CDS: TClientDataSet
    Aggregates = <>
    ConnectionBroker = DBConnectionBroker
    Params = <>
    ProviderName = 'T11_P'
    Left = 100
    Top = 440
    Object T11_CDSID: TAutoIncField
      DisplayLabel = 'ID'
      FieldName = 'ID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
  end
  object T11_DS: TDataSource
    DataSet = T11_CDS
    Left = 100
    Top = 490
  end
end
