unit rdmMain;

interface

uses
  Classes, DB, ADODB, Provider, FMTBcd;

type
  TRDM = class(TDataModule)
    DBConnection: TADOConnection;
    Client_D: TADOQuery;
    Client_P: TDataSetProvider;
    Client_DClientID : TAutoIncField;
    Client_DClientName : TWideStringField;
    OrderDetails_D: TADOQuery;
    OrderDetails_P: TDataSetProvider;
    OrderDetails_DOrderID : TIntegerField;
    OrderDetails_DUnitPrice : TBCDField;
    Empty_D: TADOQuery;
    Empty_P: TDataSetProvider;
    ClientList_D: TADOQuery;
    ClientList_P: TDataSetProvider;
    ClientList_DClientName : TWideStringField;

  end;

implementation

{$R *.dfm}

end.
