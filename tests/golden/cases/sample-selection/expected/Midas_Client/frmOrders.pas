unit frmOrders;

interface

uses
  Windows, Messages, SysUtils, Classes, Graphics, Controls, Forms, Dialogs,
  DB, DBCtrls, DBGrids, Grids, StdCtrls, ExtCtrls, Mask, ComCtrls,
  dmClient;

type
  TOrders_Frm = class(TForm)
    Orders_DBNvg: TDBNavigator;
    Orders_DBGrid: TDBGrid;
    OrderID_Lab: TLabel;
    OrderID_DBEdt: TDBEdit;
    ClientID_Lab: TLabel;
    ClientID_DBEdt: TDBEdit;
    ClientID_DBLkpCbo: TDBLookupComboBox;
    EmployeeID_Lab: TLabel;
    EmployeeID_DBEdt: TDBEdit;
    EmployeeID_DBLkpCbo: TDBLookupComboBox;
    OrderDate_Lab: TLabel;
    OrderDate_DBEdt: TDBEdit;
    OrderTime_Lab: TLabel;
    OrderTime_DBEdt: TDBEdit;
    RequiredDate_Lab: TLabel;
    RequiredDate_DBEdt: TDBEdit;
    Freight_Lab: TLabel;
    Freight_DBEdt: TDBEdit;
    ShipName_Lab: TLabel;
    ShipName_DBEdt: TDBEdit;
    ShipAddress_Lab: TLabel;
    ShipAddress_DBEdt: TDBEdit;
    ShipAddress_DBMemo: TDBMemo;
    ShipCity_Lab: TLabel;
    ShipCity_DBEdt: TDBEdit;
    ShipPostalCode_Lab: TLabel;
    ShipPostalCode_DBEdt: TDBEdit;
    ShipPostalCode_DBLkpCbo: TDBLookupComboBox;
    OrderGuid_Lab: TLabel;
    OrderGuid_DBEdt: TDBEdit;
    OrderGuid_DBLkpCbo: TDBLookupComboBox;
    CreatedAt_Lab: TLabel;
    CreatedAt_DBEdt: TDBEdit;
    Comments_Lab: TLabel;
    Comments_DBEdt: TDBEdit;
    Comments_DBMemo: TDBMemo;

    procedure FormCloseQuery(Sender: TObject; var CanClose: Boolean);
  private
  public
  end;

var
  Orders_Frm: TOrders_Frm;

implementation

{$R *.dfm}

procedure TOrders_Frm.FormCloseQuery(Sender: TObject; var CanClose: Boolean);
var
  I: Integer;
  DataSet: TDataSet;
begin
  // Closing only hides this form, so an unfinished edit would otherwise wait
  // until the application ends. Posting saves it to the server now; if the
  // record fails validation the exception keeps the form open for a fix.
  // The dataset is found through the grid rather than by name, so the form
  // keeps compiling whatever name formats the project was generated with.
  for I := 0 to ComponentCount - 1 do
    if Components[I] is TDBGrid then
    begin
      if TDBGrid(Components[I]).DataSource = nil then
        Continue;
      DataSet := TDBGrid(Components[I]).DataSource.DataSet;
      if (DataSet <> nil) and (DataSet.State in dsEditModes) then
        DataSet.Post;
    end;
end;

end.
