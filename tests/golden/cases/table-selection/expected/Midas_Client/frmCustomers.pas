unit frmCustomers;

interface

uses
  Classes, Controls, Forms, DB, DBCtrls, DBGrids, StdCtrls, Mask, dmClient;

type
  TCustomers_Frm = class(TForm)
    Customers_DBNvg: TDBNavigator;
    Customers_DBGrid: TDBGrid;
    CustomerID_Lab: TLabel;
    CustomerID_DBEdt: TDBEdit;
    CompanyName_Lab: TLabel;
    CompanyName_DBEdt: TDBEdit;
    Gre_Lab: TLabel;
    Gre_DBEdt: TDBEdit;
    Phone_Lab: TLabel;
    Phone_DBEdt: TDBEdit;

  end;

var
  Customers_Frm: TCustomers_Frm;

implementation

{$R *.dfm}

end.
