unit frmOrders;

interface

uses
  Windows, Messages, SysUtils, Classes, Graphics, Controls, Forms, Dialogs,
  DB, DBCtrls, DBGrids, Grids, StdCtrls, ExtCtrls, Mask, ComCtrls,
  dmClient;

type
  TOrders_Frm = class(TForm)
    Orders_DBNvg: TDBNavigator;
    Orders_DBGrid: TDBGrid;
    OrderID_Lab: TLabel;
    OrderID_DBEdt: TDBEdit;
    Client_Lab: TLabel;
    Client_DBEdt: TDBEdit;
    Client_DBLkpCbo: TDBLookupComboBox;
    Paid_Lab: TLabel;
    Paid_DBChk: TDBCheckBox;
    Note_Lab: TLabel;
    Note_DBMemo: TDBMemo;
    procedure FormCloseQuery(Sender: TObject; var CanClose: Boolean);
  end;

var
  Orders_Frm: TOrders_Frm;

implementation

{$R *.dfm}

procedure TOrders_Frm.FormCloseQuery(Sender: TObject; var CanClose: Boolean);
begin
  if Orders_DBGrid.DataSource.DataSet.State in dsEditModes then
    Orders_DBGrid.DataSource.DataSet.Post;
end;

end.
