object DM: TDM
  Height = 600
  Width = 700
  object DBConnectionBroker: TConnectionBroker
    Left = 40
    Top = 16
  end
  object Customers_CDS: TClientDataSet
    Aggregates = <>
    ConnectionBroker = DBConnectionBroker
    Params = <>
    ProviderName = 'Customers_P'
    Left = 100
    Top = 160
    Object Customers_CDSCustomerID: TWideStringField
      DisplayLabel = 'CustomerID'
      FieldName = 'CustomerID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
      Size = 5
    end
    Object Customers_CDSCompanyName: TWideStringField
      DisplayLabel = 'CompanyName'
      FieldName = 'CompanyName'
      Size = 40
    end
    Object Customers_CDSGre: TIntegerField
      DisplayLabel = 'Gr'#246#223'e'
      FieldName = 'Gr'#246#223'e'
    end
    Object Customers_CDSPhone: TWideStringField
      DisplayLabel = 'Phone'
      FieldName = 'Phone'
      Size = 24
    end
  end
  object Customers_DS: TDataSource
    DataSet = Customers_CDS
    Left = 100
    Top = 210
  end
  object Shippers_CDS: TClientDataSet
    Aggregates = <>
    ConnectionBroker = DBConnectionBroker
    Params = <>
    ProviderName = 'Shippers_P'
    Left = 200
    Top = 160
    Object Shippers_CDSShipperID: TAutoIncField
      DisplayLabel = 'ShipperID'
      FieldName = 'ShipperID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
    Object Shippers_CDSCompanyName: TWideStringField
      DisplayLabel = 'CompanyName'
      FieldName = 'CompanyName'
      Size = 40
    end
    Object Shippers_CDSPhone: TWideStringField
      DisplayLabel = 'Phone'
      FieldName = 'Phone'
      Size = 24
    end
  end
  object Shippers_DS: TDataSource
    DataSet = Shippers_CDS
    Left = 200
    Top = 210
  end
  object Orders_CDS: TClientDataSet
    Aggregates = <>
    ConnectionBroker = DBConnectionBroker
    Params = <>
    ProviderName = 'Orders_P'
    Left = 300
    Top = 160
    Object Orders_CDSOrderID: TAutoIncField
      DisplayLabel = 'OrderID'
      FieldName = 'OrderID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
    Object Orders_CDSCustomerID: TWideStringField
      DisplayLabel = 'CustomerID'
      FieldName = 'CustomerID'
      Size = 5
    end
    Object Orders_CDSEmployeeID: TIntegerField
      DisplayLabel = 'EmployeeID'
      FieldName = 'EmployeeID'
    end
    Object Orders_CDSOrderDate: TDateTimeField
      DisplayLabel = 'OrderDate'
      FieldName = 'OrderDate'
      DisplayFormat = 'MM/DD/YYYY'
    end
    Object Orders_CDSShipperID: TIntegerField
      DisplayLabel = 'ShipperID'
      FieldName = 'ShipperID'
    end
    Object Orders_CDSBillShipperID: TIntegerField
      DisplayLabel = 'BillShipperID'
      FieldName = 'BillShipperID'
    end
    Object Orders_CDSFreight: TBCDField
      DisplayLabel = 'Freight'
      FieldName = 'Freight'
      DisplayFormat = '#.00,'
      Precision = 19
      Size = 4
    end
  end
  object Orders_DS: TDataSource
    DataSet = Orders_CDS
    Left = 300
    Top = 210
  end
  object OrderDetails_CDS: TClientDataSet
    Aggregates = <>
    ConnectionBroker = DBConnectionBroker
    Params = <>
    ProviderName = 'OrderDetails_P'
    Left = 400
    Top = 160
    Object OrderDetails_CDSOrderID: TIntegerField
      DisplayLabel = 'OrderID'
      FieldName = 'OrderID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
    Object OrderDetails_CDSProductID: TIntegerField
      DisplayLabel = 'ProductID'
      FieldName = 'ProductID'
    end
    Object OrderDetails_CDSUnitPrice: TBCDField
      DisplayLabel = 'UnitPrice'
      FieldName = 'UnitPrice'
      DisplayFormat = '#.00,'
      Precision = 19
      Size = 4
    end
    Object OrderDetails_CDSQuantity: TSmallintField
      DisplayLabel = 'Quantity'
      FieldName = 'Quantity'
    end
    Object OrderDetails_CDSDiscount: TFloatField
      DisplayLabel = 'Discount'
      FieldName = 'Discount'
      DisplayFormat = '#.00,'
    end
  end
  object OrderDetails_DS: TDataSource
    DataSet = OrderDetails_CDS
    Left = 400
    Top = 210
  end
  object AuditLog_CDS: TClientDataSet
    Aggregates = <>
    ConnectionBroker = DBConnectionBroker
    Params = <>
    ProviderName = 'AuditLog_P'
    Left = 500
    Top = 160
    Object AuditLog_CDSLoggedAt: TDateTimeField
      DisplayLabel = 'LoggedAt'
      FieldName = 'LoggedAt'
      DisplayFormat = 'MM/DD/YYYY'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
    Object AuditLog_CDSMessage: TWideStringField
      DisplayLabel = 'Message'
      FieldName = 'Message'
      Size = 200
    end
  end
  object AuditLog_DS: TDataSource
    DataSet = AuditLog_CDS
    Left = 500
    Top = 210
  end
end
