unit rdmMain;

interface

uses
  Classes, DB, ADODB, Provider, FMTBcd;

type
  TRDM = class(TDataModule)
    DBConnection: TADOConnection;
    T01_D: TADOQuery;
    T01_P: TDataSetProvider;
    T01_DID : TAutoIncField;
    T02_D: TADOQuery;
    T02_P: TDataSetProvider;
    T02_DID : TAutoIncField;
    T03_D: TADOQuery;
    T03_P: TDataSetProvider;
    T03_DID : TAutoIncField;
    T04_D: TADOQuery;
    T04_P: TDataSetProvider;
    T04_DID : TAutoIncField;
    T05_D: TADOQuery;
    T05_P: TDataSetProvider;
    T05_DID : TAutoIncField;
    T06_D: TADOQuery;
    T06_P: TDataSetProvider;
    T06_DID : TAutoIncField;
    T07_D: TADOQuery;
    T07_P: TDataSetProvider;
    T07_DID : TAutoIncField;
    T08_D: TADOQuery;
    T08_P: TDataSetProvider;
    T08_DID : TAutoIncField;
    T09_D: TADOQuery;
    T09_P: TDataSetProvider;
    T09_DID : TAutoIncField;
    T10_D: TADOQuery;
    T10_P: TDataSetProvider;
    T10_DID : TAutoIncField;
    T11_D: TADOQuery;
    T11_P: TDataSetProvider;
    T11_DID : TAutoIncField;

  end;

implementation

{$R *.dfm}

end.
