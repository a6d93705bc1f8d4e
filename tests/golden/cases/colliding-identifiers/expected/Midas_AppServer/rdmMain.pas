unit rdmMain;

interface

uses
  Classes, DB, ADODB, Provider, FMTBcd;

type
  TRDM = class(TDataModule)
    DBConnection: TADOConnection;
    OrderDetails_D: TADOQuery;
    OrderDetails_P: TDataSetProvider;
    OrderDetails_DOrderID : TAutoIncField;
    OrderDetails_DQuantity : TSmallintField;
    OrderDetails_3_D: TADOQuery;
    OrderDetails_3_P: TDataSetProvider;
    OrderDetails_3_DDetailID : TIntegerField;
    OrderDetails_3_DNote : TWideStringField;
    OrderDetails_2_D: TADOQuery;
    OrderDetails_2_P: TDataSetProvider;
    OrderDetails_2_DCode : TStringField;
    ORDERDETAILS_4_D: TADOQuery;
    ORDERDETAILS_4_P: TDataSetProvider;
    ORDERDETAILS_4_DFlag : TBooleanField;
    Main_2_D: TADOQuery;
    Main_2_P: TDataSetProvider;
    Main_2_DMainID : TIntegerField;

  end;

implementation

{$R *.dfm}

end.
