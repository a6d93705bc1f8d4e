unit frmCategories;

interface

uses
  Windows, Messages, SysUtils, Classes, Graphics, Controls, Forms, Dialogs,
  DB, DBCtrls, DBGrids, Grids, StdCtrls, ExtCtrls, Mask, ComCtrls,
  dmClient;

type
  TCategories_Frm = class(TForm)
    Categories_DBNvg: TDBNavigator;
    Categories_DBGrid: TDBGrid;
    CategoryID_Lab: TLabel;
    CategoryID_DBEdt: TDBEdit;
    CategoryName_Lab: TLabel;
    CategoryName_DBEdt: TDBEdit;
    Description_Lab: TLabel;
    Description_DBEdt: TDBEdit;
    Description_DBMemo: TDBMemo;
    SortOrder_Lab: TLabel;
    SortOrder_DBEdt: TDBEdit;

    procedure FormCloseQuery(Sender: TObject; var CanClose: Boolean);
  private
  public
  end;

var
  Categories_Frm: TCategories_Frm;

implementation

{$R *.dfm}

procedure TCategories_Frm.FormCloseQuery(Sender: TObject; var CanClose: Boolean);
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
