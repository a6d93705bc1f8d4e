unit frmEmployees;

interface

uses
  Windows, Messages, SysUtils, Classes, Graphics, Controls, Forms, Dialogs,
  DB, DBCtrls, DBGrids, Grids, StdCtrls, ExtCtrls, Mask, ComCtrls,
  dmClient;

type
  TEmployees_Frm = class(TForm)
    Employees_DBNvg: TDBNavigator;
    Employees_DBGrid: TDBGrid;
    EmployeeID_Lab: TLabel;
    EmployeeID_DBEdt: TDBEdit;
    LastName_Lab: TLabel;
    LastName_DBEdt: TDBEdit;
    FirstName_Lab: TLabel;
    FirstName_DBEdt: TDBEdit;
    Title_Lab: TLabel;
    Title_DBEdt: TDBEdit;
    Title_DBMemo: TDBMemo;
    BirthDate_Lab: TLabel;
    BirthDate_DBEdt: TDBEdit;
    HireDate_Lab: TLabel;
    HireDate_DBEdt: TDBEdit;
    ReportsToID_Lab: TLabel;
    ReportsToID_DBEdt: TDBEdit;
    Extension_Lab: TLabel;
    Extension_DBEdt: TDBEdit;
    Photo_Lab: TLabel;
    Photo_DBEdt: TDBEdit;
    Remarks_Lab: TLabel;
    Remarks_DBEdt: TDBEdit;
    Remarks_DBMemo: TDBMemo;

    procedure FormCloseQuery(Sender: TObject; var CanClose: Boolean);
  private
  public
  end;

var
  Employees_Frm: TEmployees_Frm;

implementation

{$R *.dfm}

procedure TEmployees_Frm.FormCloseQuery(Sender: TObject; var CanClose: Boolean);
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
