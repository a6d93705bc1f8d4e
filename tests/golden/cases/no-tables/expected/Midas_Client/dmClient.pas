unit dmClient;

interface

uses
  Classes, DB, DBClient, MConnect;

type
  TDM = class(TDataModule)
    DBConnectionBroker: TConnectionBroker;

  end;

var
  DM: TDM;

implementation

{$R *.dfm}

end.
