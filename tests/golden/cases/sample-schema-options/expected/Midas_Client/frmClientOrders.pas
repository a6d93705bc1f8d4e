unit frmClientOrders;

interface

uses
  Windows, Messages, SysUtils, Classes, Graphics, Controls, Forms, Dialogs,
  DB, DBCtrls, DBGrids, Grids, StdCtrls, ExtCtrls, Mask, ComCtrls,
  dmClient;

type
  TClientOrders_Frm = class(TForm)
    ClientOrders_DBNvg: TDBNavigator;
    ClientOrders_DBGrid: TDBGrid;
    ClientID_Lab: TLabel;
    ClientID_DBEdt: TDBEdit;
    ClientName_Lab: TLabel;
    ClientName_DBEdt: TDBEdit;
    City_Lab: TLabel;
    City_DBEdt: TDBEdit;
    RegionName_Lab: TLabel;
    RegionName_DBEdt: TDBEdit;
    OrderID_Lab: TLabel;
    OrderID_DBEdt: TDBEdit;
    OrderDate_Lab: TLabel;
    OrderDate_DBEdt: TDBEdit;
    RequiredDate_Lab: TLabel;
    RequiredDate_DBEdt: TDBEdit;
    Freight_Lab: TLabel;
    Freight_DBEdt: TDBEdit;
    LastName_Lab: TLabel;
    LastName_DBEdt: TDBEdit;

    procedure FormCloseQuery(Sender: TObject; var CanClose: Boolean);
  private
  public
  end;

var
  ClientOrders_Frm: TClientOrders_Frm;

implementation

{$R *.dfm}

procedure TClientOrders_Frm.FormCloseQuery(Sender: TObject; var CanClose: Boolean);
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
