object DM: TDM
  Height = 600
  Width = 700
  object DBConnectionBroker: TConnectionBroker
    Left = 40
    Top = 16
  end
  object Layout_CDS: TClientDataSet
    Aggregates = <>
    ConnectionBroker = DBConnectionBroker
    Params = <>
    ProviderName = 'Layout_P'
    Left = 100
    Top = 160
    Object Layout_CDSCodeID: TIntegerField
      DisplayLabel = 'CodeID'
      FieldName = 'CodeID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
    Object Layout_CDSClientID: TIntegerField
      DisplayLabel = 'ClientID'
      FieldName = 'ClientID'
    end
    Object Layout_CDSShort: TStringField
      DisplayLabel = 'Short'
      FieldName = 'Short'
      Size = 49
    end
    Object Layout_CDSNotes50: TStringField
      DisplayLabel = 'Notes50'
      FieldName = 'Notes50'
      Size = 50
    end
    Object Layout_CDSRemark: TMemoField
      DisplayLabel = 'Remark'
      FieldName = 'Remark'
      BlobType = ftMemo
    end
    Object Layout_CDSPostalCode: TStringField
      DisplayLabel = 'PostalCode'
      FieldName = 'PostalCode'
      Size = 60
    end
    Object Layout_CDSActive: TBooleanField
      DisplayLabel = 'Active'
      FieldName = 'Active'
    end
    Object Layout_CDSValid: TBooleanField
      DisplayLabel = 'Valid'
      FieldName = 'Valid'
    end
    Object Layout_CDSWidth: TWideStringField
      DisplayLabel = 'Width'
      FieldName = 'Width'
      Size = 80
    end
    Object Layout_CDS___: TIntegerField
      DisplayLabel = '___'
      FieldName = '___'
    end
    Object Layout_CDSLongCaption: TIntegerField
      DisplayLabel = 'Averylongdisplaytextthathasfortytwocharsxy'
      FieldName = 'LongCaption'
    end
    Object Layout_CDSlowercase: TIntegerField
      DisplayLabel = 'lowercase'
      FieldName = 'lowercase'
    end
    Object Layout_CDS_2ndLine: TStringField
      DisplayLabel = '2ndLine'
      FieldName = '2ndLine'
      Size = 10
    end
  end
  object Layout_DS: TDataSource
    DataSet = Layout_CDS
    Left = 100
    Top = 210
  end
end
