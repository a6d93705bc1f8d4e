object RDM: TRDM
  Height = 600
  Width = 700
  object DBConnection: TADOConnection
    LoginPrompt = False
    Left = 40
    Top = 16
  end
  Object Kinds_D: TADOQuery
    Connection = DBConnection
    SQL.Strings = ('select * from Kinds')
    Parameters = <>
    Left = 100
    Top = 160
    Object Kinds_DKeyID: TAutoIncField
      DisplayLabel = 'KeyID'
      FieldName = 'KeyID'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
    Object Kinds_DVarText: TStringField
      DisplayLabel = 'VarText'
      FieldName = 'VarText'
      Size = 30
    end
    Object Kinds_DFixedVarText: TStringField
      DisplayLabel = 'FixedVarText'
      FieldName = 'FixedVarText'
      FixedChar = True
      Size = 8
    end
    Object Kinds_DSmall: TSmallintField
      DisplayLabel = 'Kleines'
      FieldName = 'Small'
    end
    Object Kinds_DTiny: TSmallintField
      DisplayLabel = 'Tiny'
      FieldName = 'Tiny'
    end
    Object Kinds_DErrorCode: TIntegerField
      DisplayLabel = 'ErrorCode'
      FieldName = 'ErrorCode'
    end
    Object Kinds_DUInt: TLargeintField
      DisplayLabel = 'UInt'
      FieldName = 'UInt'
    end
    Object Kinds_DSmallNumber: TIntegerField
      DisplayLabel = 'SmallNumber'
      FieldName = 'SmallNumber'
    end
    Object Kinds_DUTiny: TWordField
      DisplayLabel = 'UTiny'
      FieldName = 'UTiny'
    end
    Object Kinds_DUSmall: TWordField
      DisplayLabel = 'USmall'
      FieldName = 'USmall'
    end
    Object Kinds_DFlag: TBooleanField
      DisplayLabel = 'Flag'
      FieldName = 'Flag'
    end
    Object Kinds_DSingle: TFloatField
      DisplayLabel = 'Single'
      FieldName = 'Single'
    end
    Object Kinds_DDouble: TFloatField
      DisplayLabel = 'Double'
      FieldName = 'Double'
    end
    Object Kinds_DMoney: TBCDField
      DisplayLabel = 'Money'
      FieldName = 'Money'
      Precision = 19
      Size = 4
    end
    Object Kinds_DDec: TBCDField
      DisplayLabel = 'Dec'
      FieldName = 'Dec'
      Precision = 12
      Size = 2
    end
    Object Kinds_DWideNumber: TBCDField
      DisplayLabel = 'WideNumber'
      FieldName = 'WideNumber'
      Precision = 10
      Size = 0
    end
    Object Kinds_DNegativeScale: TBCDField
      DisplayLabel = 'NegativeScale'
      FieldName = 'NegativeScale'
      Precision = 18
      Size = 4
    end
    Object Kinds_DVarNum: TFMTBCDField
      DisplayLabel = 'VarNum'
      FieldName = 'VarNum'
      Precision = 20
      Size = 3
    end
    Object Kinds_DDay: TDateField
      DisplayLabel = 'Day'
      FieldName = 'Day'
    end
    Object Kinds_DClock: TTimeField
      DisplayLabel = 'Clock'
      FieldName = 'Clock'
    end
    Object Kinds_DMoment: TDateTimeField
      DisplayLabel = 'Moment'
      FieldName = 'Moment'
    end
    Object Kinds_DFileTime: TDateTimeField
      DisplayLabel = 'FileTime'
      FieldName = 'FileTime'
    end
    Object Kinds_DStamp: TDateTimeField
      DisplayLabel = 'Stamp'
      FieldName = 'Stamp'
    end
    Object Kinds_DDBFileTime: TDateTimeField
      DisplayLabel = 'DBFileTime'
      FieldName = 'DBFileTime'
    end
    Object Kinds_DBytes: TBytesField
      DisplayLabel = 'Bytes'
      FieldName = 'Bytes'
      Size = 16
    end
    Object Kinds_DVarBytes: TVarBytesField
      DisplayLabel = 'VarBytes'
      FieldName = 'VarBytes'
      Size = 32
    end
    Object Kinds_DPicture: TBlobField
      DisplayLabel = 'Picture'
      FieldName = 'Picture'
    end
    Object Kinds_DMemo: TMemoField
      DisplayLabel = 'Memo'
      FieldName = 'Memo'
      BlobType = ftMemo
    end
    Object Kinds_DWideMemo: TMemoField
      DisplayLabel = 'WideMemo'
      FieldName = 'WideMemo'
      BlobType = ftMemo
    end
    Object Kinds_DCode: TStringField
      DisplayLabel = 'Code'
      FieldName = 'Code'
      FixedChar = True
      Size = 3
    end
    Object Kinds_DBStr: TWideStringField
      DisplayLabel = 'BStr'
      FieldName = 'BStr'
      Size = 50
    end
    Object Kinds_DWChar: TWideStringField
      DisplayLabel = 'WChar'
      FieldName = 'WChar'
      FixedChar = True
      Size = 2
    end
    Object Kinds_DWideText: TWideStringField
      DisplayLabel = 'WideText'
      FieldName = 'WideText'
      Size = 40
    end
    Object Kinds_DBig: TLargeintField
      DisplayLabel = 'Big'
      FieldName = 'Big'
    end
    Object Kinds_DUBig: TLargeintField
      DisplayLabel = 'UBig'
      FieldName = 'UBig'
    end
    Object Kinds_DChapter: TDataSetField
      DisplayLabel = 'Chapter'
      FieldName = 'Chapter'
    end
    Object Kinds_DVariant: TVariantField
      DisplayLabel = 'Variant'
      FieldName = 'Variant'
    end
    Object Kinds_DPropVariant: TVariantField
      DisplayLabel = 'PropVariant'
      FieldName = 'PropVariant'
    end
    Object Kinds_DUnknown: TInterfaceField
      DisplayLabel = 'Unknown'
      FieldName = 'Unknown'
    end
    Object Kinds_DDispatch: TIDispatchField
      DisplayLabel = 'Dispatch'
      FieldName = 'Dispatch'
    end
    Object Kinds_DGuid: TGuidField
      DisplayLabel = 'Guid'
      FieldName = 'Guid'
    end
    Object Kinds_DCOLUMN1: TIntegerField
      DisplayLabel = 'COLUMN1'
      FieldName = 'COLUMN1'
    end
    Object Kinds_DUnitPrice: TFloatField
      DisplayLabel = 'Unit Price'
      FieldName = 'Unit Price'
    end
    Object Kinds_DBuyersRef: TWideStringField
      DisplayLabel = 'Buyer''s Ref'
      FieldName = 'Buyer''s Ref'
      Size = 20
    end
    Object Kinds_DBuyersRef_1: TWideStringField
      DisplayLabel = 'Buyer''s'
      FieldName = 'Buyer''sRef'
      Size = 20
    end
    Object Kinds_DWithEq: TIntegerField
      DisplayLabel = 'Total=Sum'
      FieldName = 'WithEq'
    end
    Object Kinds_Dkinds: TIntegerField
      DisplayLabel = 'kinds'
      FieldName = 'kinds'
    end
  end
  object Kinds_P: TDataSetProvider
    DataSet = Kinds_D
    Left = 100
    Top = 210
  end
end
