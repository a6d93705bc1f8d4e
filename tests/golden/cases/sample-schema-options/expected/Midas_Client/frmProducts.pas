unit frmProducts;

interface

uses
  Windows, Messages, SysUtils, Classes, Graphics, Controls, Forms, Dialogs,
  DB, DBCtrls, DBGrids, Grids, StdCtrls, ExtCtrls, Mask, ComCtrls,
  dmClient;

type
  TProducts_Frm = class(TForm)
    Products_DBNvg: TDBNavigator;
    Products_DBGrid: TDBGrid;
    ProductID_Lab: TLabel;
    ProductID_DBEdt: TDBEdit;
    ProductName_Lab: TLabel;
    ProductName_DBEdt: TDBEdit;
    SupplierID_Lab: TLabel;
    SupplierID_DBEdt: TDBEdit;
    SupplierID_DBLkpCbo: TDBLookupComboBox;
    CategoryID_Lab: TLabel;
    CategoryID_DBEdt: TDBEdit;
    CategoryID_DBLkpCbo: TDBLookupComboBox;
    QuantityPerUnit_Lab: TLabel;
    QuantityPerUnit_DBEdt: TDBEdit;
    UnitPrice_Lab: TLabel;
    UnitPrice_DBEdt: TDBEdit;
    UnitsInStock_Lab: TLabel;
    UnitsInStock_DBEdt: TDBEdit;
    ReorderLevel_Lab: TLabel;
    ReorderLevel_DBEdt: TDBEdit;
    Discontinued_Lab: TLabel;
    Discontinued_DBChk: TDBCheckBox;
    WeightKg_Lab: TLabel;
    WeightKg_DBEdt: TDBEdit;
    BarCode_Lab: TLabel;
    BarCode_DBEdt: TDBEdit;
    Picture_Lab: TLabel;
    Picture_DBEdt: TDBEdit;

    procedure FormCloseQuery(Sender: TObject; var CanClose: Boolean);
  private
  public
  end;

var
  Products_Frm: TProducts_Frm;

implementation

{$R *.dfm}

procedure TProducts_Frm.FormCloseQuery(Sender: TObject; var CanClose: Boolean);
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
