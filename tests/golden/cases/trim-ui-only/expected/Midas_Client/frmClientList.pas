unit frmClientList;

interface

uses
  Classes, Controls, Forms, DB, DBCtrls, DBGrids, StdCtrls, Mask, dmClient;

type
  TClientList_Frm = class(TForm)
    ClientList_DBNvg: TDBNavigator;
    ClientList_DBGrid: TDBGrid;
    ClientName_Lab: TLabel;
    ClientName_DBEdt: TDBEdit;

  end;

var
  ClientList_Frm: TClientList_Frm;

implementation

{$R *.dfm}

end.
