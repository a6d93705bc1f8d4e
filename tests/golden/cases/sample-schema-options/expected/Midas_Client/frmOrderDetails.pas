unit frmOrderDetails;

interface

uses
  Windows, Messages, SysUtils, Classes, Graphics, Controls, Forms, Dialogs,
  DB, DBCtrls, DBGrids, Grids, StdCtrls, ExtCtrls, Mask, ComCtrls,
  dmClient;

type
  TOrderDetails_Frm = class(TForm)
    OrderDetails_DBNvg: TDBNavigator;
    OrderDetails_DBGrid: TDBGrid;
    OrderID_Lab: TLabel;
    OrderID_DBEdt: TDBEdit;
    OrderID_DBLkpCbo: TDBLookupComboBox;
    ProductID_Lab: TLabel;
    ProductID_DBEdt: TDBEdit;
    ProductID_DBLkpCbo: TDBLookupComboBox;
    UnitPrice_Lab: TLabel;
    UnitPrice_DBEdt: TDBEdit;
    Quantity_Lab: TLabel;
    Quantity_DBEdt: TDBEdit;
    Discount_Lab: TLabel;
    Discount_DBEdt: TDBEdit;

    procedure FormCloseQuery(Sender: TObject; var CanClose: Boolean);
  private
  public
  end;

var
  OrderDetails_Frm: TOrderDetails_Frm;

implementation

{$R *.dfm}

procedure TOrderDetails_Frm.FormCloseQuery(Sender: TObject; var CanClose: Boolean);
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
