unit frmTableGrids;

interface

uses
  Windows, Messages, SysUtils, Classes, Graphics, Controls, Forms, Dialogs,
  DB, DBCtrls, DBGrids, Grids, StdCtrls, ExtCtrls, Mask, ComCtrls,
  dmClient;

type
  TTableGrids_Frm = class(TForm)
    PC: TPageControl;
    Categories_TS : TTabSheet;
    Categories_DBNvg: TDBNavigator;
    Categories_DBGrid: TDBGrid;
    Employees_TS : TTabSheet;
    Employees_DBNvg: TDBNavigator;
    Employees_DBGrid: TDBGrid;
    Invoices_TS : TTabSheet;
    Invoices_DBNvg: TDBNavigator;
    Invoices_DBGrid: TDBGrid;
    OrderDetails_TS : TTabSheet;
    OrderDetails_DBNvg: TDBNavigator;
    OrderDetails_DBGrid: TDBGrid;
    Orders_TS : TTabSheet;
    Orders_DBNvg: TDBNavigator;
    Orders_DBGrid: TDBGrid;
    Payments_TS : TTabSheet;
    Payments_DBNvg: TDBNavigator;
    Payments_DBGrid: TDBGrid;
    Products_TS : TTabSheet;
    Products_DBNvg: TDBNavigator;
    Products_DBGrid: TDBGrid;
    Sales_Client_TS : TTabSheet;
    Sales_Client_DBNvg: TDBNavigator;
    Sales_Client_DBGrid: TDBGrid;
    Sales_Region_TS : TTabSheet;
    Sales_Region_DBNvg: TDBNavigator;
    Sales_Region_DBGrid: TDBGrid;
    Settings_TS : TTabSheet;
    Settings_DBNvg: TDBNavigator;
    Settings_DBGrid: TDBGrid;
    Shipments_TS : TTabSheet;
    Shipments_DBNvg: TDBNavigator;
    Shipments_DBGrid: TDBGrid;
    Suppliers_TS : TTabSheet;
    Suppliers_DBNvg: TDBNavigator;
    Suppliers_DBGrid: TDBGrid;
    ClientOrders_TS : TTabSheet;
    ClientOrders_DBNvg: TDBNavigator;
    ClientOrders_DBGrid: TDBGrid;
    OrderTotals_TS : TTabSheet;
    OrderTotals_DBNvg: TDBNavigator;
    OrderTotals_DBGrid: TDBGrid;

    procedure FormShow(Sender: TObject);
    procedure FormCloseQuery(Sender: TObject; var CanClose: Boolean);
  private
  public
  end;

var
  TableGrids_Frm: TTableGrids_Frm;

implementation

{$R *.dfm}

procedure TTableGrids_Frm.FormShow(Sender: TObject);
begin
  // Every tab shows another table; open them all now so that no tab turns
  // up with an empty grid.
  DM.OpenAllTables;
end;

procedure TTableGrids_Frm.FormCloseQuery(Sender: TObject; var CanClose: Boolean);
begin
  // The grids edit every table, so save whatever is still being edited.
  DM.PostPendingEdits;
end;

end.
