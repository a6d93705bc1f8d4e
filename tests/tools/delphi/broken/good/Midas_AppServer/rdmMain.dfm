object AppServer_RDM: TAppServer_RDM
  OldCreateOrder = False
  OnCreate = RemoteDataModuleCreate
  Height = 320
  Width = 480
  object DBConnection: TADOConnection
    LoginPrompt = False
    Left = 40
    Top = 16
  end
  object Orders_D: TADOQuery
    Connection = DBConnection
    CursorType = ctStatic
    SQL.Strings = (
      'select *'
      'from Orders')
    Parameters = <>
    Left = 100
    Top = 160
    object Orders_DOrderID: TAutoIncField
      FieldName = 'OrderID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
    object Orders_DClient: TStringField
      FieldName = 'Client'
      Size = 30
    end
    object Orders_DTotal: TBCDField
      FieldName = 'Total'
      Precision = 19
    end
  end
  object Orders_P: TDataSetProvider
    DataSet = Orders_D
    Options = [poFetchBlobsOnDemand, poAllowCommandText]
    Left = 100
    Top = 210
  end
end
