unit dmClient;

interface

uses
  Classes, DB, DBClient, MConnect, FMTBcd;

type
  TDM = class(TDataModule)
    DBConnectionBroker: TConnectionBroker;
    Layout_CDS: TClientDataSet;
    Layout_DS: TDataSource;
    Layout_CDSCodeID : TIntegerField;
    Layout_CDSClientID : TIntegerField;
    Layout_CDSShort : TStringField;
    Layout_CDSNotes50 : TStringField;
    Layout_CDSRemark : TMemoField;
    Layout_CDSPostalCode : TStringField;
    Layout_CDSActive : TBooleanField;
    Layout_CDSValid : TBooleanField;
    Layout_CDSWidth : TWideStringField;
    Layout_CDS___ : TIntegerField;
    Layout_CDSLongCaption : TIntegerField;
    Layout_CDSlowercase : TIntegerField;
    Layout_CDS_2ndLine : TStringField;

  end;

var
  DM: TDM;

implementation

{$R *.dfm}

end.
