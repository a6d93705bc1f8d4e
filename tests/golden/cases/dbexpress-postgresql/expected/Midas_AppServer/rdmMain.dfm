object AppServer_RDM: TAppServer_RDM
  OldCreateOrder = False
  OnCreate = RemoteDataModuleCreate
  Height = 320
  Width = 480
  object DBConnection: TSQLConnection
    LoginPrompt = False
    Left = 40
    Top = 16
  end
  Object Orders_D: TSQLQuery
    SQLConnection = DBConnection
    SQL.Strings = ('select * from "Orders"')
    Params = <>
    Left = 100
    Top = 160
    Object Orders_Dorder_id: TIntegerField
      DisplayLabel = 'order_id'
      FieldName = 'order_id'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
    Object Orders_Dplaced: TSQLTimeStampField
      DisplayLabel = 'placed'
      FieldName = 'placed'
    end
    Object Orders_Dtotal: TFMTBCDField
      DisplayLabel = 'total'
      FieldName = 'total'
      Precision = 12
      Size = 2
    end
  end
  object Orders_P: TDataSetProvider
    DataSet = Orders_D
    Left = 100
    Top = 210
  end
  Object order_lines_D: TSQLQuery
    SQLConnection = DBConnection
    SQL.Strings = ('select * from order_lines')
    Params = <>
    Left = 200
    Top = 160
    Object order_lines_Dline_id: TIntegerField
      DisplayLabel = 'line_id'
      FieldName = 'line_id'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
    Object order_lines_Dnote: TWideStringField
      DisplayLabel = 'note'
      FieldName = 'note'
      Size = 80
    end
  end
  object order_lines_P: TDataSetProvider
    DataSet = order_lines_D
    Left = 200
    Top = 210
  end
  Object OrderDetails_D: TSQLQuery
    SQLConnection = DBConnection
    SQL.Strings = ('select * from "Order Details"')
    Params = <>
    Left = 300
    Top = 160
    Object OrderDetails_Ddetail_id: TIntegerField
      DisplayLabel = 'detail_id'
      FieldName = 'detail_id'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
  end
  object OrderDetails_P: TDataSetProvider
    DataSet = OrderDetails_D
    Left = 300
    Top = 210
  end
  Object openorders_D: TSQLQuery
    SQLConnection = DBConnection
    SQL.Strings = ('select * from "open orders"')
    Params = <>
    Left = 400
    Top = 160
    Object openorders_Dorder_id: TIntegerField
      DisplayLabel = 'order_id'
      FieldName = 'order_id'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
  end
  object openorders_P: TDataSetProvider
    DataSet = openorders_D
    Left = 400
    Top = 210
  end
end
