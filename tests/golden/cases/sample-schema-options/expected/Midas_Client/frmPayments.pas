unit frmPayments;

interface

uses
  Windows, Messages, SysUtils, Classes, Graphics, Controls, Forms, Dialogs,
  DB, DBCtrls, DBGrids, Grids, StdCtrls, ExtCtrls, Mask, ComCtrls,
  dmClient;

type
  TPayments_Frm = class(TForm)
    Payments_DBNvg: TDBNavigator;
    Payments_DBGrid: TDBGrid;
    PaymentID_Lab: TLabel;
    PaymentID_DBEdt: TDBEdit;
    OrderID_Lab: TLabel;
    OrderID_DBEdt: TDBEdit;
    OrderID_DBLkpCbo: TDBLookupComboBox;
    PaidAt_Lab: TLabel;
    PaidAt_DBEdt: TDBEdit;
    Amount_Lab: TLabel;
    Amount_DBEdt: TDBEdit;
    PaymentMethod_Lab: TLabel;
    PaymentMethod_DBEdt: TDBEdit;
    CardLastDigits_Lab: TLabel;
    CardLastDigits_DBEdt: TDBEdit;
    TransactionRef_Lab: TLabel;
    TransactionRef_DBEdt: TDBEdit;
    BankReference_Lab: TLabel;
    BankReference_DBEdt: TDBEdit;

    procedure FormCloseQuery(Sender: TObject; var CanClose: Boolean);
  private
  public
  end;

var
  Payments_Frm: TPayments_Frm;

implementation

{$R *.dfm}

procedure TPayments_Frm.FormCloseQuery(Sender: TObject; var CanClose: Boolean);
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
