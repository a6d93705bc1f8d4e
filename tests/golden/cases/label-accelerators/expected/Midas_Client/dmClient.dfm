object DM: TDM
  Height = 600
  Width = 700
  object DBConnectionBroker: TConnectionBroker
    Left = 40
    Top = 16
  end
  object Parts_CDS: TClientDataSet
    Aggregates = <>
    ConnectionBroker = DBConnectionBroker
    Params = <>
    ProviderName = 'Parts_P'
    Left = 100
    Top = 160
    Object Parts_CDSPartNo: TIntegerField
      DisplayLabel = 'PartNo'
      FieldName = 'PartNo'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
    Object Parts_CDSSizeBytes: TIntegerField
      DisplayLabel = 'Size&Bytes'
      FieldName = 'SizeBytes'
    end
    Object Parts_CDSClientName: TStringField
      DisplayLabel = 'Customer name'
      FieldName = 'ClientName'
      Size = 40
    end
    Object Parts_CDSNotes: TStringField
      DisplayLabel = 'Notes & remarks'
      FieldName = 'Notes'
      Size = 20
    end
    Object Parts_CDSMaker: TStringField
      DisplayLabel = 'Made'
      FieldName = 'Maker'
      Size = 20
    end
  end
  object Parts_DS: TDataSource
    DataSet = Parts_CDS
    Left = 100
    Top = 210
  end
end
