unit frmEmployees;

interface

uses
  Classes, Controls, Forms, DB, DBCtrls, DBGrids, StdCtrls, Mask, dmClient;

type
  TEmployees_Frm = class(TForm)
    Employees_DBNvg: TDBNavigator;
    Employees_DBGrid: TDBGrid;
    EmployeeID_Lab: TLabel;
    EmployeeID_DBEdt: TDBEdit;
    LastName_Lab: TLabel;
    LastName_DBEdt: TDBEdit;
    ReportsTo_Lab: TLabel;
    ReportsTo_DBEdt: TDBEdit;
    RegionID_Lab: TLabel;
    RegionID_DBEdt: TDBEdit;

  end;

var
  Employees_Frm: TEmployees_Frm;

implementation

{$R *.dfm}

end.
