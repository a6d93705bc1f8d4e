unit frmSuppliers;

interface

uses
  Windows, Messages, SysUtils, Classes, Graphics, Controls, Forms, Dialogs,
  DB, DBCtrls, DBGrids, Grids, StdCtrls, ExtCtrls, Mask, ComCtrls,
  dmClient;

type
  TSuppliers_Frm = class(TForm)
    Suppliers_DBNvg: TDBNavigator;
    Suppliers_DBGrid: TDBGrid;
    SupplierID_Lab: TLabel;
    SupplierID_DBEdt: TDBEdit;
    CompanyName_Lab: TLabel;
    CompanyName_DBEdt: TDBEdit;
    ContactName_Lab: TLabel;
    ContactName_DBEdt: TDBEdit;
    Address_Lab: TLabel;
    Address_DBEdt: TDBEdit;
    Address_DBMemo: TDBMemo;
    City_Lab: TLabel;
    City_DBEdt: TDBEdit;
    PostalCode_Lab: TLabel;
    PostalCode_DBEdt: TDBEdit;
    CountryCode_Lab: TLabel;
    CountryCode_DBEdt: TDBEdit;
    HomePage_Lab: TLabel;
    HomePage_DBEdt: TDBEdit;
    HomePage_DBMemo: TDBMemo;

    procedure FormCloseQuery(Sender: TObject; var CanClose: Boolean);
  private
  public
  end;

var
  Suppliers_Frm: TSuppliers_Frm;

implementation

{$R *.dfm}

procedure TSuppliers_Frm.FormCloseQuery(Sender: TObject; var CanClose: Boolean);
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
