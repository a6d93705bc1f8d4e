unit frmTableGrids;

interface

uses
  Classes, Controls, Forms, ComCtrls, DB, DBCtrls, DBGrids, dmClient;

type
  TTableGrids_Frm = class(TForm)
    PC: TPageControl;
    Customers_TS : TTabSheet;
    Customers_DBNvg: TDBNavigator;
    Customers_DBGrid: TDBGrid;
    Shippers_TS : TTabSheet;
    Shippers_DBNvg: TDBNavigator;
    Shippers_DBGrid: TDBGrid;
    Orders_TS : TTabSheet;
    Orders_DBNvg: TDBNavigator;
    Orders_DBGrid: TDBGrid;
    OrderDetails_TS : TTabSheet;
    OrderDetails_DBNvg: TDBNavigator;
    OrderDetails_DBGrid: TDBGrid;
    AuditLog_TS : TTabSheet;
    AuditLog_DBNvg: TDBNavigator;
    AuditLog_DBGrid: TDBGrid;

  end;

var
  TableGrids_Frm: TTableGrids_Frm;

implementation

{$R *.dfm}

end.
