unit rdmMain;

interface

uses
  Classes, DB, ADODB, Provider, FMTBcd;

type
  TRDM = class(TDataModule)
    DBConnection: TADOConnection;
    Parts_D: TADOQuery;
    Parts_P: TDataSetProvider;
    Parts_DPartNo : TIntegerField;
    Parts_DSizeBytes : TIntegerField;
    Parts_DClientName : TStringField;
    Parts_DNotes : TStringField;
    Parts_DMaker : TStringField;

  end;

implementation

{$R *.dfm}

end.
