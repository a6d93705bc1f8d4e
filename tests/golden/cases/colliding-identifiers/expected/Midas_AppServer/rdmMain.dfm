object RDM: TRDM
  Height = 600
  Width = 700
  object DBConnection: TADOConnection
    LoginPrompt = False
    Left = 40
    Top = 16
  end
  Object OrderDetails_D: TADOQuery
    Connection = DBConnection
    SQL.Strings = ('select * from [Order Details]')
    Parameters = <>
    Left = 100
    Top = 160
    Object OrderDetails_DOrderID: TAutoIncField
      DisplayLabel = 'OrderID'
      FieldName = 'OrderID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
    Object OrderDetails_DQuantity: TSmallintField
      DisplayLabel = 'Quantity'
      FieldName = 'Quantity'
    end
  end
  object OrderDetails_P: TDataSetProvider
    DataSet = OrderDetails_D
    Left = 100
    Top = 210
  end
  Object OrderDetails_3_D: TADOQuery
    Connection = DBConnection
    SQL.Strings = ('select * from OrderDetails')
    Parameters = <>
    Left = 200
    Top = 160
    Object OrderDetails_3_DDetailID: TIntegerField
      DisplayLabel = 'DetailID'
      FieldName = 'DetailID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
    Object OrderDetails_3_DNote: TWideStringField
      DisplayLabel = 'Note'
      FieldName = 'Note'
      Size = 20
    end
  end
  object OrderDetails_3_P: TDataSetProvider
    DataSet = OrderDetails_3_D
    Left = 200
    Top = 210
  end
  Object OrderDetails_2_D: TADOQuery
    Connection = DBConnection
    SQL.Strings = ('select * from OrderDetails_2')
    Parameters = <>
    Left = 300
    Top = 160
    Object OrderDetails_2_DCode: TStringField
      DisplayLabel = 'Code'
      FieldName = 'Code'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
      Size = 10
    end
  end
  object OrderDetails_2_P: TDataSetProvider
    DataSet = OrderDetails_2_D
    Left = 300
    Top = 210
  end
  Object ORDERDETAILS_4_D: TADOQuery
    Connection = DBConnection
    SQL.Strings = ('select * from ORDERDETAILS')
    Parameters = <>
    Left = 400
    Top = 160
    Object ORDERDETAILS_4_DFlag: TBooleanField
      DisplayLabel = 'Flag'
      FieldName = 'Flag'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
  end
  object ORDERDETAILS_4_P: TDataSetProvider
    DataSet = ORDERDETAILS_4_D
    Left = 400
    Top = 210
  end
  Object Main_2_D: TADOQuery
    Connection = DBConnection
    SQL.Strings = ('select * from Main')
    Parameters = <>
    Left = 500
    Top = 160
    Object Main_2_DMainID: TIntegerField
      DisplayLabel = 'MainID'
      FieldName = 'MainID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
  end
  object Main_2_P: TDataSetProvider
    DataSet = Main_2_D
    Left = 500
    Top = 210
  end
end
