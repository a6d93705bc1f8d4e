object RDM: TRDM
  Height = 600
  Width = 700
  object DBConnection: TADOConnection
    LoginPrompt = False
    Left = 40
    Top = 16
  end
  Object Parts_D: TADOQuery
    Connection = DBConnection
    SQL.Strings = ('select * from Parts')
    Parameters = <>
    Left = 100
    Top = 160
    Object Parts_DPartNo: TIntegerField
      DisplayLabel = 'PartNo'
      FieldName = 'PartNo'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
    Object Parts_DSizeBytes: TIntegerField
      DisplayLabel = 'Size&Bytes'
      FieldName = 'SizeBytes'
    end
    Object Parts_DClientName: TStringField
      DisplayLabel = 'Customer name'
      FieldName = 'ClientName'
      Size = 40
    end
    Object Parts_DNotes: TStringField
      DisplayLabel = 'Notes & remarks'
      FieldName = 'Notes'
      Size = 20
    end
    Object Parts_DMaker: TStringField
      DisplayLabel = 'Made'
      FieldName = 'Maker'
      Size = 20
    end
  end
  object Parts_P: TDataSetProvider
    DataSet = Parts_D
    Left = 100
    Top = 210
  end
end
