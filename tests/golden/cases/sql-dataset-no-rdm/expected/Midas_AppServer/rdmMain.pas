unit rdmMain;

interface

uses
  Classes, DB, ADODB, Provider, FMTBcd;

type
  TRDM = class(TDataModule)
    DBConnection: TADOConnection;
    Orders_D: TSQLDataSet;
    Orders_DS: TDataSource;
    Orders_DOrderID : TIntegerField;
    Orders_DShipped : TDateField;
    OrderLines_D: TSQLDataSet;
    OrderLines_DS: TDataSource;
    OrderLines_DLineID : TIntegerField;

  end;

implementation

{$R *.dfm}

end.
