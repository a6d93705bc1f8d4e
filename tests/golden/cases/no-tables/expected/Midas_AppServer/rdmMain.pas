unit rdmMain;

interface

uses
  Classes, DB, ADODB, Provider;

type
  TRDM = class(TDataModule)
    DBConnection: TADOConnection;

  end;

implementation

{$R *.dfm}

end.
