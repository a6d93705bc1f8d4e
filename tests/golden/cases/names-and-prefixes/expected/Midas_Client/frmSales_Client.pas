unit frmSales_Client;

interface

uses
  Classes, Controls, Forms, DB, DBCtrls, DBGrids, StdCtrls, Mask, dmClient;

type
  TSales_Client_Frm = class(TForm)
    Sales_Client_DBNvg: TDBNavigator;
    Sales_Client_DBGrid: TDBGrid;
    ClientID_Lab: TLabel;
    ClientID_DBEdt: TDBEdit;
    ClientName_Lab: TLabel;
    ClientName_DBEdt: TDBEdit;

  end;

var
  Sales_Client_Frm: TSales_Client_Frm;

implementation

{$R *.dfm}

end.
