unit rdmMain;

interface

uses
  Classes, DB, ADODB, Provider, FMTBcd;

type
  TRDM = class(TDataModule)
    DBConnection: TADOConnection;
    Kinds_D: TADOQuery;
    Kinds_P: TDataSetProvider;
    Kinds_DKeyID : TAutoIncField;
    Kinds_DVarText : TStringField;
    Kinds_DFixedVarText : TStringField;
    Kinds_DSmall : TSmallintField;
    Kinds_DTiny : TSmallintField;
    Kinds_DErrorCode : TIntegerField;
    Kinds_DUInt : TLargeintField;
    Kinds_DSmallNumber : TIntegerField;
    Kinds_DUTiny : TWordField;
    Kinds_DUSmall : TWordField;
    Kinds_DFlag : TBooleanField;
    Kinds_DSingle : TFloatField;
    Kinds_DDouble : TFloatField;
    Kinds_DMoney : TBCDField;
    Kinds_DDec : TBCDField;
    Kinds_DWideNumber : TBCDField;
    Kinds_DNegativeScale : TBCDField;
    Kinds_DVarNum : TFMTBCDField;
    Kinds_DDay : TDateField;
    Kinds_DClock : TTimeField;
    Kinds_DMoment : TDateTimeField;
    Kinds_DFileTime : TDateTimeField;
    Kinds_DStamp : TDateTimeField;
    Kinds_DDBFileTime : TDateTimeField;
    Kinds_DBytes : TBytesField;
    Kinds_DVarBytes : TVarBytesField;
    Kinds_DPicture : TBlobField;
    Kinds_DMemo : TMemoField;
    Kinds_DWideMemo : TMemoField;
    Kinds_DCode : TStringField;
    Kinds_DBStr : TWideStringField;
    Kinds_DWChar : TWideStringField;
    Kinds_DWideText : TWideStringField;
    Kinds_DBig : TLargeintField;
    Kinds_DUBig : TLargeintField;
    Kinds_DChapter : TDataSetField;
    Kinds_DVariant : TVariantField;
    Kinds_DPropVariant : TVariantField;
    Kinds_DUnknown : TInterfaceField;
    Kinds_DDispatch : TIDispatchField;
    Kinds_DGuid : TGuidField;
    Kinds_DCOLUMN1 : TIntegerField;
    Kinds_DUnitPrice : TFloatField;
    Kinds_DBuyersRef : TWideStringField;
    Kinds_DBuyersRef_1 : TWideStringField;
    Kinds_DWithEq : TIntegerField;
    Kinds_Dkinds : TIntegerField;

  end;

implementation

{$R *.dfm}

end.
