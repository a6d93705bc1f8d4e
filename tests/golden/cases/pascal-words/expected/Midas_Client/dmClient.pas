unit dmClient;

interface

uses
  Classes, DB, DBClient, MConnect, FMTBcd;

type
  TDM = class(TDataModule)
    DBConnectionBroker: TConnectionBroker;
    Type_CDS: TClientDataSet;
    Type_DS: TDataSource;
    Type_CDSType : TIntegerField;
    Type_CDSEnd : TWideStringField;
    End_CDS: TClientDataSet;
    End_DS: TDataSource;
    End_CDSBegin : TIntegerField;
    End_CDSObject : TWideStringField;
    Begin_CDS: TClientDataSet;
    Begin_DS: TDataSource;
    Begin_CDSClass : TBooleanField;
    Object_CDS: TClientDataSet;
    Object_DS: TDataSource;
    Object_CDSRecord : TDateTimeField;
    _2019Sales_CDS: TClientDataSet;
    _2019Sales_DS: TDataSource;
    _2019Sales_CDS_1stQuarter : TBCDField;
    _2019Sales_CDS_2ndQuarter : TBCDField;

  end;

var
  DM: TDM;

implementation

{$R *.dfm}

end.
