object RDM: TRDM
  Height = 600
  Width = 700
  object DBConnection: TADOConnection
    LoginPrompt = False
    Left = 40
    Top = 16
  end
  Object T01_D: TADOQuery
    Connection = DBConnection
    SQL.Strings = ('select * from T01')
    Parameters = <>
    Left = 100
    Top = 160
    Object T01_DID: TAutoIncField
      DisplayLabel = 'ID'
      FieldName = 'ID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
  end
  object T01_P: TDataSetProvider
    DataSet = T01_D
    Options = [poFetchBlobsOnDemand, poAllowCommandText]
    Left = 100
    Top = 210
  end
  Object T02_D: TADOQuery
    Connection = DBConnection
    SQL.Strings = ('select * from T02')
    Parameters = <>
    Left = 200
    Top = 160
    Object T02_DID: TAutoIncField
      DisplayLabel = 'ID'
      FieldName = 'ID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
  end
  object T02_P: TDataSetProvider
    DataSet = T02_D
    Options = [poFetchBlobsOnDemand, poAllowCommandText]
    Left = 200
    Top = 210
  end
  Object T03_D: TADOQuery
    Connection = DBConnection
    SQL.Strings = ('select * from T03')
    Parameters = <>
    Left = 300
    Top = 160
    Object T03_DID: TAutoIncField
      DisplayLabel = 'ID'
      FieldName = 'ID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
  end
  object T03_P: TDataSetProvider
    DataSet = T03_D
    Options = [poFetchBlobsOnDemand, poAllowCommandText]
    Left = 300
    Top = 210
  end
  Object T04_D: TADOQuery
    Connection = DBConnection
    SQL.Strings = ('select * from T04')
    Parameters = <>
    Left = 400
    Top = 160
    Object T04_DID: TAutoIncField
      DisplayLabel = 'ID'
      FieldName = 'ID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
  end
  object T04_P: TDataSetProvider
    DataSet = T04_D
    Options = [poFetchBlobsOnDemand, poAllowCommandText]
    Left = 400
    Top = 210
  end
  Object T05_D: TADOQuery
    Connection = DBConnection
    SQL.Strings = ('select * from T05')
    Parameters = <>
    Left = 500
    Top = 160
    Object T05_DID: TAutoIncField
      DisplayLabel = 'ID'
      FieldName = 'ID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
  end
  object T05_P: TDataSetProvider
    DataSet = T05_D
    Options = [poFetchBlobsOnDemand, poAllowCommandText]
    Left = 500
    Top = 210
  end
  Object T06_D: TADOQuery
    Connection = DBConnection
    SQL.Strings = ('select * from T06')
    Parameters = <>
    Left = 100
    Top = 300
    Object T06_DID: TAutoIncField
      DisplayLabel = 'ID'
      FieldName = 'ID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
  end
  object T06_P: TDataSetProvider
    DataSet = T06_D
    Options = [poFetchBlobsOnDemand, poAllowCommandText]
    Left = 100
    Top = 350
  end
  Object T07_D: TADOQuery
    Connection = DBConnection
    SQL.Strings = ('select * from T07')
    Parameters = <>
    Left = 200
    Top = 300
    Object T07_DID: TAutoIncField
      DisplayLabel = 'ID'
      FieldName = 'ID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
  end
  object T07_P: TDataSetProvider
    DataSet = T07_D
    Options = [poFetchBlobsOnDemand, poAllowCommandText]
    Left = 200
    Top = 350
  end
  Object T08_D: TADOQuery
    Connection = DBConnection
    SQL.Strings = ('select * from T08')
    Parameters = <>
    Left = 300
    Top = 300
    Object T08_DID: TAutoIncField
      DisplayLabel = 'ID'
      FieldName = 'ID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
  end
  object T08_P: TDataSetProvider
    DataSet = T08_D
    Options = [poFetchBlobsOnDemand, poAllowCommandText]
    Left = 300
    Top = 350
  end
  Object T09_D: TADOQuery
    Connection = DBConnection
    SQL.Strings = ('select * from T09')
    Parameters = <>
    Left = 400
    Top = 300
    Object T09_DID: TAutoIncField
      DisplayLabel = 'ID'
      FieldName = 'ID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
  end
  object T09_P: TDataSetProvider
    DataSet = T09_D
    Options = [poFetchBlobsOnDemand, poAllowCommandText]
    Left = 400
    Top = 350
  end
  Object T10_D: TADOQuery
    Connection = DBConnection
    SQL.Strings = ('select * from T10')
    Parameters = <>
    Left = 500
    Top = 300
    Object T10_DID: TAutoIncField
      DisplayLabel = 'ID'
      FieldName = 'ID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
  end
  object T10_P: TDataSetProvider
    DataSet = T10_D
    Options = [poFetchBlobsOnDemand, poAllowCommandText]
    Left = 500
    Top = 350
  end
  Object T11_D: TADOQuery
    Connection = DBConnection
    SQL.Strings = ('select * from T11')
    Parameters = <>
    Left = 100
    Top = 440
    Object T11_DID: TAutoIncField
      DisplayLabel = 'ID'
      FieldName = 'ID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
  end
  object T11_P: TDataSetProvider
    DataSet = T11_D
    Options = [poFetchBlobsOnDemand, poAllowCommandText]
    Left = 100
    Top = 490
  end
end
