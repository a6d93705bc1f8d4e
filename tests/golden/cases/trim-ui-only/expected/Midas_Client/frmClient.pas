unit frmClient;

interface

uses
  Classes, Controls, Forms, DB, DBCtrls, DBGrids, StdCtrls, Mask, dmClient;

type
  TClient_Frm = class(TForm)
    Client_DBNvg: TDBNavigator;
    Client_DBGrid: TDBGrid;
    ClientID_Lab: TLabel;
    ClientID_DBEdt: TDBEdit;
    ClientName_Lab: TLabel;
    ClientName_DBEdt: TDBEdit;

  end;

var
  Client_Frm: TClient_Frm;

implementation

{$R *.dfm}

end.
