unit frmOrderTotals;

interface

uses
  Windows, Messages, SysUtils, Classes, Graphics, Controls, Forms, Dialogs,
  DB, DBCtrls, DBGrids, Grids, StdCtrls, ExtCtrls, Mask, ComCtrls,
  dmClient;

type
  TOrderTotals_Frm = class(TForm)
    OrderTotals_DBNvg: TDBNavigator;
    OrderTotals_DBGrid: TDBGrid;
    OrderID_Lab: TLabel;
    OrderID_DBEdt: TDBEdit;
    OrderDate_Lab: TLabel;
    OrderDate_DBEdt: TDBEdit;
    ClientName_Lab: TLabel;
    ClientName_DBEdt: TDBEdit;
    InvoiceNumber_Lab: TLabel;
    InvoiceNumber_DBEdt: TDBEdit;
    InvoiceDate_Lab: TLabel;
    InvoiceDate_DBEdt: TDBEdit;
    TotalAmount_Lab: TLabel;
    TotalAmount_DBEdt: TDBEdit;
    IsPaid_Lab: TLabel;
    IsPaid_DBChk: TDBCheckBox;

    procedure FormCloseQuery(Sender: TObject; var CanClose: Boolean);
  private
  public
  end;

var
  OrderTotals_Frm: TOrderTotals_Frm;

implementation

{$R *.dfm}

procedure TOrderTotals_Frm.FormCloseQuery(Sender: TObject; var CanClose: Boolean);
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
