unit frmInvoices;

interface

uses
  Windows, Messages, SysUtils, Classes, Graphics, Controls, Forms, Dialogs,
  DB, DBCtrls, DBGrids, Grids, StdCtrls, ExtCtrls, Mask, ComCtrls,
  dmClient;

type
  TInvoices_Frm = class(TForm)
    Invoices_DBNvg: TDBNavigator;
    Invoices_DBGrid: TDBGrid;
    InvoiceID_Lab: TLabel;
    InvoiceID_DBEdt: TDBEdit;
    OrderID_Lab: TLabel;
    OrderID_DBEdt: TDBEdit;
    OrderID_DBLkpCbo: TDBLookupComboBox;
    InvoiceNumber_Lab: TLabel;
    InvoiceNumber_DBEdt: TDBEdit;
    InvoiceDate_Lab: TLabel;
    InvoiceDate_DBEdt: TDBEdit;
    DueDate_Lab: TLabel;
    DueDate_DBEdt: TDBEdit;
    TotalAmount_Lab: TLabel;
    TotalAmount_DBEdt: TDBEdit;
    TaxRate_Lab: TLabel;
    TaxRate_DBEdt: TDBEdit;
    IsPaid_Lab: TLabel;
    IsPaid_DBChk: TDBCheckBox;
    PdfDocument_Lab: TLabel;
    PdfDocument_DBEdt: TDBEdit;

    procedure FormCloseQuery(Sender: TObject; var CanClose: Boolean);
  private
  public
  end;

var
  Invoices_Frm: TInvoices_Frm;

implementation

{$R *.dfm}

procedure TInvoices_Frm.FormCloseQuery(Sender: TObject; var CanClose: Boolean);
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
