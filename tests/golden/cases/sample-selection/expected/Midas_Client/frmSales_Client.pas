unit frmSales_Client;

interface

uses
  Windows, Messages, SysUtils, Classes, Graphics, Controls, Forms, Dialogs,
  DB, DBCtrls, DBGrids, Grids, StdCtrls, ExtCtrls, Mask, ComCtrls,
  dmClient;

type
  TSales_Client_Frm = class(TForm)
    Sales_Client_DBNvg: TDBNavigator;
    Sales_Client_DBGrid: TDBGrid;
    ClientID_Lab: TLabel;
    ClientID_DBEdt: TDBEdit;
    ClientName_Lab: TLabel;
    ClientName_DBEdt: TDBEdit;
    ContactName_Lab: TLabel;
    ContactName_DBEdt: TDBEdit;
    Address_Lab: TLabel;
    Address_DBEdt: TDBEdit;
    Address_DBMemo: TDBMemo;
    City_Lab: TLabel;
    City_DBEdt: TDBEdit;
    PostalCode_Lab: TLabel;
    PostalCode_DBEdt: TDBEdit;
    PostalCode_DBLkpCbo: TDBLookupComboBox;
    CountryCode_Lab: TLabel;
    CountryCode_DBEdt: TDBEdit;
    CountryCode_DBLkpCbo: TDBLookupComboBox;
    Phone_Lab: TLabel;
    Phone_DBEdt: TDBEdit;
    RegionID_Lab: TLabel;
    RegionID_DBEdt: TDBEdit;
    RegionID_DBLkpCbo: TDBLookupComboBox;
    CreditLimit_Lab: TLabel;
    CreditLimit_DBEdt: TDBEdit;
    IsActive_Lab: TLabel;
    IsActive_DBChk: TDBCheckBox;
    ClientSince_Lab: TLabel;
    ClientSince_DBEdt: TDBEdit;
    Notes_Lab: TLabel;
    Notes_DBEdt: TDBEdit;
    Notes_DBMemo: TDBMemo;

    procedure FormCloseQuery(Sender: TObject; var CanClose: Boolean);
  private
  public
  end;

var
  Sales_Client_Frm: TSales_Client_Frm;

implementation

{$R *.dfm}

procedure TSales_Client_Frm.FormCloseQuery(Sender: TObject; var CanClose: Boolean);
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
