unit rdmMain;

interface

uses
  Classes, DB, ADODB, Provider, FMTBcd;

type
  TRDM = class(TDataModule)
    DBConnection: TADOConnection;
    Sales_Client_D: TADOQuery;
    Sales_Client_P: TDataSetProvider;
    Sales_Client_DClientID : TAutoIncField;
    Sales_Client_DClientName : TWideStringField;
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
