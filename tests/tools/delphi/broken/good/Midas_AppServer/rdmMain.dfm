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
  object Clients_D: TADOQuery
    Connection = DBConnection
    CursorType = ctStatic
    SQL.Strings = (
      'select * from Clients')
    Parameters = <>
    Left = 200
    Top = 160
    object Clients_DCode: TStringField
      FieldName = 'Code'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
      FixedChar = True
      Size = 30
    end
    object Clients_DName: TStringField
      FieldName = 'Name'
      Size = 40
    end
  end
  object Clients_P: TDataSetProvider
    DataSet = Clients_D
    Left = 200
    Top = 210
  end
end
