unit rdmMain;

interface

uses
  Classes, DB, ADODB, Provider, FMTBcd;

type
  TRDM = class(TDataModule)
    DBConnection: TADOConnection;
    Orders_D: TADOQuery;
    Orders_P: TDataSetProvider;
    Orders_DOrderID : TIntegerField;
    Orders_DNote : TStringField;
    Lines_D: TADOQuery;
    Lines_P: TDataSetProvider;
    Lines_DLineID : TIntegerField;

  end;

implementation

{$R *.dfm}

end.
