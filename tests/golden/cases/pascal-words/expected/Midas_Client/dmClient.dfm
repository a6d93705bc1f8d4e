object DM: TDM
  Height = 600
  Width = 700
  object DBConnectionBroker: TConnectionBroker
    Left = 40
    Top = 16
  end
  object Type_CDS: TClientDataSet
    Aggregates = <>
    ConnectionBroker = DBConnectionBroker
    Params = <>
    ProviderName = 'Type_P'
    Left = 100
    Top = 160
    Object Type_CDSType: TIntegerField
      DisplayLabel = 'Type'
      FieldName = 'Type'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
    Object Type_CDSEnd: TWideStringField
      DisplayLabel = 'End'
      FieldName = 'End'
      Size = 10
    end
  end
  object Type_DS: TDataSource
    DataSet = Type_CDS
    Left = 100
    Top = 210
  end
  object End_CDS: TClientDataSet
    Aggregates = <>
    ConnectionBroker = DBConnectionBroker
    Params = <>
    ProviderName = 'End_P'
    Left = 200
    Top = 160
    Object End_CDSBegin: TIntegerField
      DisplayLabel = 'Begin'
      FieldName = 'Begin'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
    Object End_CDSObject: TWideStringField
      DisplayLabel = 'Object'
      FieldName = 'Object'
      Size = 60
    end
  end
  object End_DS: TDataSource
    DataSet = End_CDS
    Left = 200
    Top = 210
  end
  object Begin_CDS: TClientDataSet
    Aggregates = <>
    ConnectionBroker = DBConnectionBroker
    Params = <>
    ProviderName = 'Begin_P'
    Left = 300
    Top = 160
    Object Begin_CDSClass: TBooleanField
      DisplayLabel = 'Class'
      FieldName = 'Class'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
  end
  object Begin_DS: TDataSource
    DataSet = Begin_CDS
    Left = 300
    Top = 210
  end
  object Object_CDS: TClientDataSet
    Aggregates = <>
    ConnectionBroker = DBConnectionBroker
    Params = <>
    ProviderName = 'Object_P'
    Left = 400
    Top = 160
    Object Object_CDSRecord: TDateTimeField
      DisplayLabel = 'Record'
      FieldName = 'Record'
      DisplayFormat = 'MM/DD/YYYY'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
  end
  object Object_DS: TDataSource
    DataSet = Object_CDS
    Left = 400
    Top = 210
  end
  object _2019Sales_CDS: TClientDataSet
    Aggregates = <>
    ConnectionBroker = DBConnectionBroker
    Params = <>
    ProviderName = '_2019Sales_P'
    Left = 500
    Top = 160
    Object _2019Sales_CDS_1stQuarter: TBCDField
      DisplayLabel = '1stQuarter'
      FieldName = '1stQuarter'
      DisplayFormat = '#.00,'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
      Precision = 19
      Size = 4
    end
    Object _2019Sales_CDS_2ndQuarter: TBCDField
      DisplayLabel = '2nd Quarter'
      FieldName = '2nd Quarter'
      DisplayFormat = '#.00,'
      Precision = 19
      Size = 4
    end
  end
  object _2019Sales_DS: TDataSource
    DataSet = _2019Sales_CDS
    Left = 500
    Top = 210
  end
end
