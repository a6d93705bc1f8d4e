object RDM: TRDM
  Height = 600
  Width = 700
  object DBConnection: TADOConnection
    LoginPrompt = False
    Left = 40
    Top = 16
  end
  Object Type_D: TADOQuery
    Connection = DBConnection
    SQL.Strings = ('select * from Type')
    Parameters = <>
    Left = 100
    Top = 160
    Object Type_DType: TIntegerField
      DisplayLabel = 'Type'
      FieldName = 'Type'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
    Object Type_DEnd: TWideStringField
      DisplayLabel = 'End'
      FieldName = 'End'
      Size = 10
    end
  end
  object Type_P: TDataSetProvider
    DataSet = Type_D
    Left = 100
    Top = 210
  end
  Object End_D: TADOQuery
    Connection = DBConnection
    SQL.Strings = ('select * from [End]')
    Parameters = <>
    Left = 200
    Top = 160
    Object End_DBegin: TIntegerField
      DisplayLabel = 'Begin'
      FieldName = 'Begin'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
    Object End_DObject: TWideStringField
      DisplayLabel = 'Object'
      FieldName = 'Object'
      Size = 60
    end
  end
  object End_P: TDataSetProvider
    DataSet = End_D
    Left = 200
    Top = 210
  end
  Object Begin_D: TADOQuery
    Connection = DBConnection
    SQL.Strings = ('select * from [Begin]')
    Parameters = <>
    Left = 300
    Top = 160
    Object Begin_DClass: TBooleanField
      DisplayLabel = 'Class'
      FieldName = 'Class'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
  end
  object Begin_P: TDataSetProvider
    DataSet = Begin_D
    Left = 300
    Top = 210
  end
  Object Object_D: TADOQuery
    Connection = DBConnection
    SQL.Strings = ('select * from Object')
    Parameters = <>
    Left = 400
    Top = 160
    Object Object_DRecord: TDateTimeField
      DisplayLabel = 'Record'
      FieldName = 'Record'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
  end
  object Object_P: TDataSetProvider
    DataSet = Object_D
    Left = 400
    Top = 210
  end
  Object _2019Sales_D: TADOQuery
    Connection = DBConnection
    SQL.Strings = ('select * from [2019Sales]')
    Parameters = <>
    Left = 500
    Top = 160
    Object _2019Sales_D_1stQuarter: TBCDField
      DisplayLabel = '1stQuarter'
      FieldName = '1stQuarter'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
      Precision = 19
      Size = 4
    end
    Object _2019Sales_D_2ndQuarter: TBCDField
      DisplayLabel = '2nd Quarter'
      FieldName = '2nd Quarter'
      Precision = 19
      Size = 4
    end
  end
  object _2019Sales_P: TDataSetProvider
    DataSet = _2019Sales_D
    Left = 500
    Top = 210
  end
end
