unit frmShipments;

interface

uses
  Windows, Messages, SysUtils, Classes, Graphics, Controls, Forms, Dialogs,
  DB, DBCtrls, DBGrids, Grids, StdCtrls, ExtCtrls, Mask, ComCtrls,
  dmClient;

type
  TShipments_Frm = class(TForm)
    Shipments_DBNvg: TDBNavigator;
    Shipments_DBGrid: TDBGrid;
    ShipmentID_Lab: TLabel;
    ShipmentID_DBEdt: TDBEdit;
    OrderID_Lab: TLabel;
    OrderID_DBEdt: TDBEdit;
    OrderID_DBLkpCbo: TDBLookupComboBox;
    CarrierName_Lab: TLabel;
    CarrierName_DBEdt: TDBEdit;
    ShippedDate_Lab: TLabel;
    ShippedDate_DBEdt: TDBEdit;
    ShippedTime_Lab: TLabel;
    ShippedTime_DBEdt: TDBEdit;
    TrackingCode_Lab: TLabel;
    TrackingCode_DBEdt: TDBEdit;
    GrossWeightKg_Lab: TLabel;
    GrossWeightKg_DBEdt: TDBEdit;
    Delivered_Lab: TLabel;
    Delivered_DBChk: TDBCheckBox;
    DeliveredAt_Lab: TLabel;
    DeliveredAt_DBEdt: TDBEdit;

    procedure FormCloseQuery(Sender: TObject; var CanClose: Boolean);
  private
  public
  end;

var
  Shipments_Frm: TShipments_Frm;

implementation

{$R *.dfm}

procedure TShipments_Frm.FormCloseQuery(Sender: TObject; var CanClose: Boolean);
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
