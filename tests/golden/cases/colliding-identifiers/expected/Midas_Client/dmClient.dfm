object DM: TDM
  Height = 600
  Width = 700
  object DBConnectionBroker: TConnectionBroker
    Left = 40
    Top = 16
  end
  object OrderDetails_CDS: TClientDataSet
    Aggregates = <>
    ConnectionBroker = DBConnectionBroker
    Params = <>
    ProviderName = 'OrderDetails_P'
    Left = 100
    Top = 160
    Object OrderDetails_CDSOrderID: TAutoIncField
      DisplayLabel = 'OrderID'
      FieldName = 'OrderID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
    Object OrderDetails_CDSQuantity: TSmallintField
      DisplayLabel = 'Quantity'
      FieldName = 'Quantity'
    end
  end
  object OrderDetails_DS: TDataSource
    DataSet = OrderDetails_CDS
    Left = 100
    Top = 210
  end
  object OrderDetails_3_CDS: TClientDataSet
    Aggregates = <>
    ConnectionBroker = DBConnectionBroker
    Params = <>
    ProviderName = 'OrderDetails_3_P'
    Left = 200
    Top = 160
    Object OrderDetails_3_CDSDetailID: TIntegerField
      DisplayLabel = 'DetailID'
      FieldName = 'DetailID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
    Object OrderDetails_3_CDSNote: TWideStringField
      DisplayLabel = 'Note'
      FieldName = 'Note'
      Size = 20
    end
  end
  object OrderDetails_3_DS: TDataSource
    DataSet = OrderDetails_3_CDS
    Left = 200
    Top = 210
  end
  object OrderDetails_2_CDS: TClientDataSet
    Aggregates = <>
    ConnectionBroker = DBConnectionBroker
    Params = <>
    ProviderName = 'OrderDetails_2_P'
    Left = 300
    Top = 160
    Object OrderDetails_2_CDSCode: TStringField
      DisplayLabel = 'Code'
      FieldName = 'Code'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
      Size = 10
    end
  end
  object OrderDetails_2_DS: TDataSource
    DataSet = OrderDetails_2_CDS
    Left = 300
    Top = 210
  end
  object ORDERDETAILS_4_CDS: TClientDataSet
    Aggregates = <>
    ConnectionBroker = DBConnectionBroker
    Params = <>
    ProviderName = 'ORDERDETAILS_4_P'
    Left = 400
    Top = 160
    Object ORDERDETAILS_4_CDSFlag: TBooleanField
      DisplayLabel = 'Flag'
      FieldName = 'Flag'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
  end
  object ORDERDETAILS_4_DS: TDataSource
    DataSet = ORDERDETAILS_4_CDS
    Left = 400
    Top = 210
  end
  object Main_2_CDS: TClientDataSet
    Aggregates = <>
    ConnectionBroker = DBConnectionBroker
    Params = <>
    ProviderName = 'Main_2_P'
    Left = 500
    Top = 160
    Object Main_2_CDSMainID: TIntegerField
      DisplayLabel = 'MainID'
      FieldName = 'MainID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
  end
  object Main_2_DS: TDataSource
    DataSet = Main_2_CDS
    Left = 500
    Top = 210
  end
end
