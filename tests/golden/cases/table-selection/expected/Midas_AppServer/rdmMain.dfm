object RDM: TRDM
  Height = 600
  Width = 700
  object DBConnection: TADOConnection
    LoginPrompt = False
    Left = 40
    Top = 16
  end
  Object Customers_D: TADOQuery
    Connection = DBConnection
    SQL.Strings = ('select * from Customers')
    Parameters = <>
    Left = 100
    Top = 160
    Object Customers_DCustomerID: TWideStringField
      DisplayLabel = 'CustomerID'
      FieldName = 'CustomerID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
      Size = 5
    end
    Object Customers_DCompanyName: TWideStringField
      DisplayLabel = 'CompanyName'
      FieldName = 'CompanyName'
      Size = 40
    end
    Object Customers_DGre: TIntegerField
      DisplayLabel = 'Gr'#246#223'e'
      FieldName = 'Gr'#246#223'e'
    end
    Object Customers_DPhone: TWideStringField
      DisplayLabel = 'Phone'
      FieldName = 'Phone'
      Size = 24
    end
  end
  object Customers_P: TDataSetProvider
    DataSet = Customers_D
    Left = 100
    Top = 210
  end
  Object Shippers_D: TADOQuery
    Connection = DBConnection
    SQL.Strings = ('select * from Shippers')
    Parameters = <>
    Left = 200
    Top = 160
    Object Shippers_DShipperID: TAutoIncField
      DisplayLabel = 'ShipperID'
      FieldName = 'ShipperID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
    Object Shippers_DCompanyName: TWideStringField
      DisplayLabel = 'CompanyName'
      FieldName = 'CompanyName'
      Size = 40
    end
    Object Shippers_DPhone: TWideStringField
      DisplayLabel = 'Phone'
      FieldName = 'Phone'
      Size = 24
    end
  end
  object Shippers_P: TDataSetProvider
    DataSet = Shippers_D
    Left = 200
    Top = 210
  end
  Object Orders_D: TADOQuery
    Connection = DBConnection
    SQL.Strings = ('select * from Orders')
    Parameters = <>
    Left = 300
    Top = 160
    Object Orders_DOrderID: TAutoIncField
      DisplayLabel = 'OrderID'
      FieldName = 'OrderID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
    Object Orders_DCustomerID: TWideStringField
      DisplayLabel = 'CustomerID'
      FieldName = 'CustomerID'
      Size = 5
    end
    Object Orders_DEmployeeID: TIntegerField
      DisplayLabel = 'EmployeeID'
      FieldName = 'EmployeeID'
    end
    Object Orders_DOrderDate: TDateTimeField
      DisplayLabel = 'OrderDate'
      FieldName = 'OrderDate'
    end
    Object Orders_DShipperID: TIntegerField
      DisplayLabel = 'ShipperID'
      FieldName = 'ShipperID'
    end
    Object Orders_DBillShipperID: TIntegerField
      DisplayLabel = 'BillShipperID'
      FieldName = 'BillShipperID'
    end
    Object Orders_DFreight: TBCDField
      DisplayLabel = 'Freight'
      FieldName = 'Freight'
      Precision = 19
      Size = 4
    end
  end
  object Orders_P: TDataSetProvider
    DataSet = Orders_D
    Left = 300
    Top = 210
  end
  Object OrderDetails_D: TADOQuery
    Connection = DBConnection
    SQL.Strings = ('select * from [Order Details]')
    Parameters = <>
    Left = 400
    Top = 160
    Object OrderDetails_DOrderID: TIntegerField
      DisplayLabel = 'OrderID'
      FieldName = 'OrderID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
    Object OrderDetails_DProductID: TIntegerField
      DisplayLabel = 'ProductID'
      FieldName = 'ProductID'
    end
    Object OrderDetails_DUnitPrice: TBCDField
      DisplayLabel = 'UnitPrice'
      FieldName = 'UnitPrice'
      Precision = 19
      Size = 4
    end
    Object OrderDetails_DQuantity: TSmallintField
      DisplayLabel = 'Quantity'
      FieldName = 'Quantity'
    end
    Object OrderDetails_DDiscount: TFloatField
      DisplayLabel = 'Discount'
      FieldName = 'Discount'
    end
  end
  object OrderDetails_P: TDataSetProvider
    DataSet = OrderDetails_D
    Left = 400
    Top = 210
  end
  Object AuditLog_D: TADOQuery
    Connection = DBConnection
    SQL.Strings = ('select * from [Audit Log]')
    Parameters = <>
    Left = 500
    Top = 160
    Object AuditLog_DLoggedAt: TDateTimeField
      DisplayLabel = 'LoggedAt'
      FieldName = 'LoggedAt'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
    Object AuditLog_DMessage: TWideStringField
      DisplayLabel = 'Message'
      FieldName = 'Message'
      Size = 200
    end
  end
  object AuditLog_P: TDataSetProvider
    DataSet = AuditLog_D
    Left = 500
    Top = 210
  end
end
