unit frmTableGrids;

interface

uses
  Windows, Messages, SysUtils, Classes, Graphics, Controls, Forms, Dialogs,
  DB, DBCtrls, DBGrids, Grids, StdCtrls, ExtCtrls, Mask, ComCtrls,
  dmClient;

type
  TTableGrids_Frm = class(TForm)
    PC: TPageControl;
    Orders_TS : TTabSheet;
    Orders_DBNvg: TDBNavigator;
    Orders_DBGrid: TDBGrid;
    Sales_Client_TS : TTabSheet;
    Sales_Client_DBNvg: TDBNavigator;
    Sales_Client_DBGrid: TDBGrid;
    Sales_Region_TS : TTabSheet;
    Sales_Region_DBNvg: TDBNavigator;
    Sales_Region_DBGrid: TDBGrid;

    procedure FormShow(Sender: TObject);
    procedure FormCloseQuery(Sender: TObject; var CanClose: Boolean);
  private
  public
  end;

var
  TableGrids_Frm: TTableGrids_Frm;

implementation

{$R *.dfm}

procedure TTableGrids_Frm.FormShow(Sender: TObject);
begin
  // Every tab shows another table; open them all now so that no tab turns
  // up with an empty grid.
  DM.OpenAllTables;
end;

procedure TTableGrids_Frm.FormCloseQuery(Sender: TObject; var CanClose: Boolean);
begin
  // The grids edit every table, so save whatever is still being edited.
  DM.PostPendingEdits;
end;

end.
