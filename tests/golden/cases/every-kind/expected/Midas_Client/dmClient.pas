unit dmClient;

interface

uses
  Classes, DB, DBClient, MConnect, FMTBcd;

type
  TDM = class(TDataModule)
    DBConnectionBroker: TConnectionBroker;
    Kinds_CDS: TClientDataSet;
    Kinds_DS: TDataSource;
    Kinds_CDSKeyID : TAutoIncField;
    Kinds_CDSVarText : TStringField;
    Kinds_CDSFixedVarText : TStringField;
    Kinds_CDSSmall : TSmallintField;
    Kinds_CDSTiny : TSmallintField;
    Kinds_CDSErrorCode : TIntegerField;
    Kinds_CDSUInt : TLargeintField;
    Kinds_CDSSmallNumber : TIntegerField;
    Kinds_CDSUTiny : TWordField;
    Kinds_CDSUSmall : TWordField;
    Kinds_CDSFlag : TBooleanField;
    Kinds_CDSSingle : TFloatField;
    Kinds_CDSDouble : TFloatField;
    Kinds_CDSMoney : TBCDField;
    Kinds_CDSDec : TBCDField;
    Kinds_CDSWideNumber : TBCDField;
    Kinds_CDSNegativeScale : TBCDField;
    Kinds_CDSVarNum : TFMTBCDField;
    Kinds_CDSDay : TDateField;
    Kinds_CDSClock : TTimeField;
    Kinds_CDSMoment : TDateTimeField;
    Kinds_CDSFileTime : TDateTimeField;
    Kinds_CDSStamp : TDateTimeField;
    Kinds_CDSDBFileTime : TDateTimeField;
    Kinds_CDSBytes : TBytesField;
    Kinds_CDSVarBytes : TVarBytesField;
    Kinds_CDSPicture : TBlobField;
    Kinds_CDSMemo : TMemoField;
    Kinds_CDSWideMemo : TMemoField;
    Kinds_CDSCode : TStringField;
    Kinds_CDSBStr : TWideStringField;
    Kinds_CDSWChar : TWideStringField;
    Kinds_CDSWideText : TWideStringField;
    Kinds_CDSBig : TLargeintField;
    Kinds_CDSUBig : TLargeintField;
    Kinds_CDSChapter : TDataSetField;
    Kinds_CDSVariant : TVariantField;
    Kinds_CDSPropVariant : TVariantField;
    Kinds_CDSUnknown : TInterfaceField;
    Kinds_CDSDispatch : TIDispatchField;
    Kinds_CDSGuid : TGuidField;
    Kinds_CDSCOLUMN1 : TIntegerField;
    Kinds_CDSUnitPrice : TFloatField;
    Kinds_CDSBuyersRef : TWideStringField;
    Kinds_CDSBuyersRef_1 : TWideStringField;
    Kinds_CDSWithEq : TIntegerField;
    Kinds_CDSkinds : TIntegerField;

  end;

var
  DM: TDM;

implementation

{$R *.dfm}

end.
