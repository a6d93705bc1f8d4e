object DM: TDM
  Height = 600
  Width = 700
  object DBConnectionBroker: TConnectionBroker
    Left = 40
    Top = 16
  end
  object Kinds_CDS: TClientDataSet
    Aggregates = <>
    ConnectionBroker = DBConnectionBroker
    Params = <>
    ProviderName = 'Kinds_P'
    Left = 100
    Top = 160
    Object Kinds_CDSKeyID: TAutoIncField
      DisplayLabel = 'KeyID'
      FieldName = 'KeyID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
    Object Kinds_CDSVarText: TStringField
      DisplayLabel = 'VarText'
      FieldName = 'VarText'
      Size = 30
    end
    Object Kinds_CDSFixedVarText: TStringField
      DisplayLabel = 'FixedVarText'
      FieldName = 'FixedVarText'
      FixedChar = True
      Size = 8
    end
    Object Kinds_CDSSmall: TSmallintField
      DisplayLabel = 'Kleines'
      FieldName = 'Small'
    end
    Object Kinds_CDSTiny: TSmallintField
      DisplayLabel = 'Tiny'
      FieldName = 'Tiny'
    end
    Object Kinds_CDSErrorCode: TIntegerField
      DisplayLabel = 'ErrorCode'
      FieldName = 'ErrorCode'
    end
    Object Kinds_CDSUInt: TLargeintField
      DisplayLabel = 'UInt'
      FieldName = 'UInt'
    end
    Object Kinds_CDSSmallNumber: TIntegerField
      DisplayLabel = 'SmallNumber'
      FieldName = 'SmallNumber'
    end
    Object Kinds_CDSUTiny: TWordField
      DisplayLabel = 'UTiny'
      FieldName = 'UTiny'
    end
    Object Kinds_CDSUSmall: TWordField
      DisplayLabel = 'USmall'
      FieldName = 'USmall'
    end
    Object Kinds_CDSFlag: TBooleanField
      DisplayLabel = 'Flag'
      FieldName = 'Flag'
    end
    Object Kinds_CDSSingle: TFloatField
      DisplayLabel = 'Single'
      FieldName = 'Single'
      DisplayFormat = '#,##0.00 ''EUR'''
    end
    Object Kinds_CDSDouble: TFloatField
      DisplayLabel = 'Double'
      FieldName = 'Double'
      DisplayFormat = '#,##0.00 ''EUR'''
    end
    Object Kinds_CDSMoney: TBCDField
      DisplayLabel = 'Money'
      FieldName = 'Money'
      DisplayFormat = '#,##0.00 ''EUR'''
      Precision = 19
      Size = 4
    end
    Object Kinds_CDSDec: TBCDField
      DisplayLabel = 'Dec'
      FieldName = 'Dec'
      DisplayFormat = '#,##0.00 ''EUR'''
      Precision = 12
      Size = 2
    end
    Object Kinds_CDSWideNumber: TBCDField
      DisplayLabel = 'WideNumber'
      FieldName = 'WideNumber'
      DisplayFormat = '#,##0.00 ''EUR'''
      Precision = 10
      Size = 0
    end
    Object Kinds_CDSNegativeScale: TBCDField
      DisplayLabel = 'NegativeScale'
      FieldName = 'NegativeScale'
      DisplayFormat = '#,##0.00 ''EUR'''
      Precision = 18
      Size = 4
    end
    Object Kinds_CDSVarNum: TFMTBCDField
      DisplayLabel = 'VarNum'
      FieldName = 'VarNum'
      DisplayFormat = '#,##0.00 ''EUR'''
      Precision = 20
      Size = 3
    end
    Object Kinds_CDSDay: TDateField
      DisplayLabel = 'Day'
      FieldName = 'Day'
      DisplayFormat = 'dd/mm/yyyy'
    end
    Object Kinds_CDSClock: TTimeField
      DisplayLabel = 'Clock'
      FieldName = 'Clock'
    end
    Object Kinds_CDSMoment: TDateTimeField
      DisplayLabel = 'Moment'
      FieldName = 'Moment'
      DisplayFormat = 'dd/mm/yyyy'
    end
    Object Kinds_CDSFileTime: TDateTimeField
      DisplayLabel = 'FileTime'
      FieldName = 'FileTime'
      DisplayFormat = 'dd/mm/yyyy'
    end
    Object Kinds_CDSStamp: TDateTimeField
      DisplayLabel = 'Stamp'
      FieldName = 'Stamp'
      DisplayFormat = 'dd/mm/yyyy'
    end
    Object Kinds_CDSDBFileTime: TDateTimeField
      DisplayLabel = 'DBFileTime'
      FieldName = 'DBFileTime'
      DisplayFormat = 'dd/mm/yyyy'
    end
    Object Kinds_CDSBytes: TBytesField
      DisplayLabel = 'Bytes'
      FieldName = 'Bytes'
      Size = 16
    end
    Object Kinds_CDSVarBytes: TVarBytesField
      DisplayLabel = 'VarBytes'
      FieldName = 'VarBytes'
      Size = 32
    end
    Object Kinds_CDSPicture: TBlobField
      DisplayLabel = 'Picture'
      FieldName = 'Picture'
    end
    Object Kinds_CDSMemo: TMemoField
      DisplayLabel = 'Memo'
      FieldName = 'Memo'
      BlobType = ftMemo
    end
    Object Kinds_CDSWideMemo: TMemoField
      DisplayLabel = 'WideMemo'
      FieldName = 'WideMemo'
      BlobType = ftMemo
    end
    Object Kinds_CDSCode: TStringField
      DisplayLabel = 'Code'
      FieldName = 'Code'
      FixedChar = True
      Size = 3
    end
    Object Kinds_CDSBStr: TWideStringField
      DisplayLabel = 'BStr'
      FieldName = 'BStr'
      Size = 50
    end
    Object Kinds_CDSWChar: TWideStringField
      DisplayLabel = 'WChar'
      FieldName = 'WChar'
      FixedChar = True
      Size = 2
    end
    Object Kinds_CDSWideText: TWideStringField
      DisplayLabel = 'WideText'
      FieldName = 'WideText'
      Size = 40
    end
    Object Kinds_CDSBig: TLargeintField
      DisplayLabel = 'Big'
      FieldName = 'Big'
    end
    Object Kinds_CDSUBig: TLargeintField
      DisplayLabel = 'UBig'
      FieldName = 'UBig'
    end
    Object Kinds_CDSChapter: TDataSetField
      DisplayLabel = 'Chapter'
      FieldName = 'Chapter'
    end
    Object Kinds_CDSVariant: TVariantField
      DisplayLabel = 'Variant'
      FieldName = 'Variant'
    end
    Object Kinds_CDSPropVariant: TVariantField
      DisplayLabel = 'PropVariant'
      FieldName = 'PropVariant'
    end
    Object Kinds_CDSUnknown: TInterfaceField
      DisplayLabel = 'Unknown'
      FieldName = 'Unknown'
    end
    Object Kinds_CDSDispatch: TIDispatchField
      DisplayLabel = 'Dispatch'
      FieldName = 'Dispatch'
    end
    Object Kinds_CDSGuid: TGuidField
      DisplayLabel = 'Guid'
      FieldName = 'Guid'
    end
    Object Kinds_CDSCOLUMN1: TIntegerField
      DisplayLabel = 'COLUMN1'
      FieldName = 'COLUMN1'
    end
    Object Kinds_CDSUnitPrice: TFloatField
      DisplayLabel = 'Unit Price'
      FieldName = 'Unit Price'
      DisplayFormat = '#,##0.00 ''EUR'''
    end
    Object Kinds_CDSBuyersRef: TWideStringField
      DisplayLabel = 'Buyer''s Ref'
      FieldName = 'Buyer''s Ref'
      Size = 20
    end
    Object Kinds_CDSBuyersRef_1: TWideStringField
      DisplayLabel = 'Buyer''s'
      FieldName = 'Buyer''sRef'
      Size = 20
    end
    Object Kinds_CDSWithEq: TIntegerField
      DisplayLabel = 'Total=Sum'
      FieldName = 'WithEq'
    end
    Object Kinds_CDSkinds: TIntegerField
      DisplayLabel = 'kinds'
      FieldName = 'kinds'
    end
  end
  object Kinds_DS: TDataSource
    DataSet = Kinds_CDS
    Left = 100
    Top = 210
  end
end
