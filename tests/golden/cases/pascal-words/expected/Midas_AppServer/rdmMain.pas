unit rdmMain;

interface

uses
  Classes, DB, ADODB, Provider, FMTBcd;

type
  TRDM = class(TDataModule)
    DBConnection: TADOConnection;
    Type_D: TADOQuery;
    Type_P: TDataSetProvider;
    Type_DType : TIntegerField;
    Type_DEnd : TWideStringField;
    End_D: TADOQuery;
    End_P: TDataSetProvider;
    End_DBegin : TIntegerField;
    End_DObject : TWideStringField;
    Begin_D: TADOQuery;
    Begin_P: TDataSetProvider;
    Begin_DClass : TBooleanField;
    Object_D: TADOQuery;
    Object_P: TDataSetProvider;
    Object_DRecord : TDateTimeField;
    _2019Sales_D: TADOQuery;
    _2019Sales_P: TDataSetProvider;
    _2019Sales_D_1stQuarter : TBCDField;
    _2019Sales_D_2ndQuarter : TBCDField;

  end;

implementation

{$R *.dfm}

end.
