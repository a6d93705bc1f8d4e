object RDM: TRDM
  Height = 600
  Width = 700
  object DBConnection: TADOConnection
    LoginPrompt = False
    Left = 40
    Top = 16
  end
  Object Orders_D: TSQLDataSet
    SQLConnection = DBConnection
    CommandText = 'select * from Orders'
    Params = <>
    Left = 100
    Top = 160
    Object Orders_DOrderID: TIntegerField
      DisplayLabel = 'OrderID'
      FieldName = 'OrderID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
    Object Orders_DShipped: TDateField
      DisplayLabel = 'Shipped'
      FieldName = 'Shipped'
    end
  end
  object Orders_DS: TDataSource
    DataSet = Orders_D
    Left = 100
    Top = 210
  end
  Object OrderLines_D: TSQLDataSet
    SQLConnection = DBConnection
    CommandText = 'select * from [Order Lines]'
    Params = <>
    Left = 200
    Top = 160
    Object OrderLines_DLineID: TIntegerField
      DisplayLabel = 'LineID'
      FieldName = 'LineID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
  end
  object OrderLines_DS: TDataSource
    DataSet = OrderLines_D
    Left = 200
    Top = 210
  end
end
