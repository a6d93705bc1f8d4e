unit frmSettings;

interface

uses
  Windows, Messages, SysUtils, Classes, Graphics, Controls, Forms, Dialogs,
  DB, DBCtrls, DBGrids, Grids, StdCtrls, ExtCtrls, Mask, ComCtrls,
  dmClient;

type
  TSettings_Frm = class(TForm)
    Settings_DBNvg: TDBNavigator;
    Settings_DBGrid: TDBGrid;
    SettingKey_Lab: TLabel;
    SettingKey_DBEdt: TDBEdit;
    SettingValue_Lab: TLabel;
    SettingValue_DBEdt: TDBEdit;
    ValueKind_Lab: TLabel;
    ValueKind_DBEdt: TDBEdit;
    Counter_Lab: TLabel;
    Counter_DBEdt: TDBEdit;
    ModifiedAt_Lab: TLabel;
    ModifiedAt_DBEdt: TDBEdit;

    procedure FormCloseQuery(Sender: TObject; var CanClose: Boolean);
  private
  public
  end;

var
  Settings_Frm: TSettings_Frm;

implementation

{$R *.dfm}

procedure TSettings_Frm.FormCloseQuery(Sender: TObject; var CanClose: Boolean);
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
