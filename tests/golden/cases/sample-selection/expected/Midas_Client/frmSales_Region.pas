unit frmSales_Region;

interface

uses
  Windows, Messages, SysUtils, Classes, Graphics, Controls, Forms, Dialogs,
  DB, DBCtrls, DBGrids, Grids, StdCtrls, ExtCtrls, Mask, ComCtrls,
  dmClient;

type
  TSales_Region_Frm = class(TForm)
    Sales_Region_DBNvg: TDBNavigator;
    Sales_Region_DBGrid: TDBGrid;
    RegionID_Lab: TLabel;
    RegionID_DBEdt: TDBEdit;
    RegionCode_Lab: TLabel;
    RegionCode_DBEdt: TDBEdit;
    RegionCode_DBLkpCbo: TDBLookupComboBox;
    RegionName_Lab: TLabel;
    RegionName_DBEdt: TDBEdit;
    Description_Lab: TLabel;
    Description_DBEdt: TDBEdit;
    Description_DBMemo: TDBMemo;

    procedure FormCloseQuery(Sender: TObject; var CanClose: Boolean);
  private
  public
  end;

var
  Sales_Region_Frm: TSales_Region_Frm;

implementation

{$R *.dfm}

procedure TSales_Region_Frm.FormCloseQuery(Sender: TObject; var CanClose: Boolean);
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
