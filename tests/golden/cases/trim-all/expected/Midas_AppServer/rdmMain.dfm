object RDM: TRDM
  Height = 600
  Width = 700
  object DBConnection: TADOConnection
    LoginPrompt = False
    Left = 40
    Top = 16
  end
  Object Client_D: TADOQuery
    Connection = DBConnection
    SQL.Strings = ('select * from Sales_Client')
    Parameters = <>
    Left = 100
    Top = 160
    Object Client_DClientID: TAutoIncField
      DisplayLabel = 'ClientID'
      FieldName = 'ClientID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
    Object Client_DClientName: TWideStringField
      DisplayLabel = 'ClientName'
      FieldName = 'ClientName'
      Size = 40
    end
  end
  object Client_P: TDataSetProvider
    DataSet = Client_D
    Left = 100
    Top = 210
  end
  Object OrderDetails_D: TADOQuery
    Connection = DBConnection
    SQL.Strings = ('select * from [Order Details]')
    Parameters = <>
    Left = 200
    Top = 160
    Object OrderDetails_DOrderID: TIntegerField
      DisplayLabel = 'OrderID'
      FieldName = 'OrderID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
    Object OrderDetails_DUnitPrice: TBCDField
      DisplayLabel = 'Unit Price'
      FieldName = 'Unit Price'
      Precision = 19
      Size = 4
    end
  end
  object OrderDetails_P: TDataSetProvider
    DataSet = OrderDetails_D
    Left = 200
    Top = 210
  end
  Object Empty_D: TADOQuery
    Connection = DBConnection
    SQL.Strings = ('select * from [Empty]')
    Parameters = <>
    Left = 300
    Top = 160
  end
  object Empty_P: TDataSetProvider
    DataSet = Empty_D
    Left = 300
    Top = 210
  end
  Object ClientList_D: TADOQuery
    Connection = DBConnection
    SQL.Strings = ('select * from [Client List]')
    Parameters = <>
    Left = 400
    Top = 160
    Object ClientList_DClientName: TWideStringField
      DisplayLabel = 'ClientName'
      FieldName = 'ClientName'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
      Size = 40
    end
  end
  object ClientList_P: TDataSetProvider
    DataSet = ClientList_D
    Left = 400
    Top = 210
  end
end
