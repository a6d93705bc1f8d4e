object RDM: TRDM
  Height = 600
  Width = 700
  object DBConnection: TADOConnection
    LoginPrompt = False
    Left = 40
    Top = 16
  end
  Object Orders_D: TADOQuery
    Connection = OrdersConnection
    SQL.Strings = ('select * from Orders')
    Parameters = <>
    Left = 100
    Top = 160
    Object Orders_DOrderID: TIntegerField
      DisplayLabel = 'OrderID'
      FieldName = 'OrderID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
    Object Orders_DNote: TStringField
      DisplayLabel = 'Note'
      FieldName = 'Note'
      Size = 20
    end
  end
  object Orders_P: TDataSetProvider
    DataSet = Orders_D
    Left = 100
    Top = 210
  end
  Object Lines_D: TADOQuery
    Connection = OrdersConnection
    SQL.Strings = ('select * from Lines')
    Parameters = <>
    Left = 200
    Top = 160
    Object Lines_DLineID: TIntegerField
      DisplayLabel = 'LineID'
      FieldName = 'LineID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
  end
  object Lines_P: TDataSetProvider
    DataSet = Lines_D
    Left = 200
    Top = 210
  end
end
