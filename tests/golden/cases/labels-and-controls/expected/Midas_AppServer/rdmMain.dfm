object RDM: TRDM
  Height = 600
  Width = 700
  object DBConnection: TADOConnection
    LoginPrompt = False
    Left = 40
    Top = 16
  end
  Object Layout_D: TADOQuery
    Connection = DBConnection
    SQL.Strings = ('select * from Layout')
    Parameters = <>
    Left = 100
    Top = 160
    Object Layout_DCodeID: TIntegerField
      DisplayLabel = 'CodeID'
      FieldName = 'CodeID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
    Object Layout_DClientID: TIntegerField
      DisplayLabel = 'ClientID'
      FieldName = 'ClientID'
    end
    Object Layout_DShort: TStringField
      DisplayLabel = 'Short'
      FieldName = 'Short'
      Size = 49
    end
    Object Layout_DNotes50: TStringField
      DisplayLabel = 'Notes50'
      FieldName = 'Notes50'
      Size = 50
    end
    Object Layout_DRemark: TMemoField
      DisplayLabel = 'Remark'
      FieldName = 'Remark'
      BlobType = ftMemo
    end
    Object Layout_DPostalCode: TStringField
      DisplayLabel = 'PostalCode'
      FieldName = 'PostalCode'
      Size = 60
    end
    Object Layout_DActive: TBooleanField
      DisplayLabel = 'Active'
      FieldName = 'Active'
    end
    Object Layout_DValid: TBooleanField
      DisplayLabel = 'Valid'
      FieldName = 'Valid'
    end
    Object Layout_DWidth: TWideStringField
      DisplayLabel = 'Width'
      FieldName = 'Width'
      Size = 80
    end
    Object Layout_D___: TIntegerField
      DisplayLabel = '___'
      FieldName = '___'
    end
    Object Layout_DLongCaption: TIntegerField
      DisplayLabel = 'Averylongdisplaytextthathasfortytwocharsxy'
      FieldName = 'LongCaption'
    end
    Object Layout_Dlowercase: TIntegerField
      DisplayLabel = 'lowercase'
      FieldName = 'lowercase'
    end
    Object Layout_D_2ndLine: TStringField
      DisplayLabel = '2ndLine'
      FieldName = '2ndLine'
      Size = 10
    end
  end
  object Layout_P: TDataSetProvider
    DataSet = Layout_D
    Left = 100
    Top = 210
  end
end
