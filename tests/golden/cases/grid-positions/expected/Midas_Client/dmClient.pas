unit dmClient;

interface

uses
  Classes, DB, DBClient, MConnect, FMTBcd;

type
  TDM = class(TDataModule)
    DBConnectionBroker: TConnectionBroker;
    T01_CDS: TClientDataSet;
    T01_DS: TDataSource;
    T01_CDSID : TAutoIncField;
    T02_CDS: TClientDataSet;
    T02_DS: TDataSource;
    T02_CDSID : TAutoIncField;
    T03_CDS: TClientDataSet;
    T03_DS: TDataSource;
    T03_CDSID : TAutoIncField;
    T04_CDS: TClientDataSet;
    T04_DS: TDataSource;
    T04_CDSID : TAutoIncField;
    T05_CDS: TClientDataSet;
    T05_DS: TDataSource;
    T05_CDSID : TAutoIncField;
    T06_CDS: TClientDataSet;
    T06_DS: TDataSource;
    T06_CDSID : TAutoIncField;
    T07_CDS: TClientDataSet;
    T07_DS: TDataSource;
    T07_CDSID : TAutoIncField;
    T08_CDS: TClientDataSet;
    T08_DS: TDataSource;
    T08_CDSID : TAutoIncField;
    T09_CDS: TClientDataSet;
    T09_DS: TDataSource;
    T09_CDSID : TAutoIncField;
    T10_CDS: TClientDataSet;
    T10_DS: TDataSource;
    T10_CDSID : TAutoIncField;
    T11_CDS: TClientDataSet;
    T11_DS: TDataSource;
    T11_CDSID : TAutoIncField;

  end;

var
  DM: TDM;

implementation

{$R *.dfm}

end.
