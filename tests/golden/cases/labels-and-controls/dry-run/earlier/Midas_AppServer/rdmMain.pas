unit rdmMain;

interface

uses
  Classes, DB, ADODB, Provider, FMTBcd;

type
  TRDM = class(TDataModule)
    DBConnection: TADOConnection;
    Layout_D: TADOQuery;
    Layout_P: TDataSetProvider;
    Layout_DCodeID : TIntegerField;
    Layout_DClientID : TIntegerField;
    Layout_DShort : TStringField;
    Layout_DNotes50 : TStringField;
    Layout_DRemark : TMemoField;
    Layout_DPostalCode : TStringField;
    Layout_DActive : TBooleanField;
    Layout_DValid : TBooleanField;
    Layout_DWidth : TWideStringField;
    Layout_D___ : TIntegerField;
    Layout_DLongCaption : TIntegerField;
    Layout_Dlowercase : TIntegerField;
    Layout_D_2ndLine : TStringField;

    procedure RefreshTotals; // added by hand
  end;

implementation

{$R *.dfm}

end.
