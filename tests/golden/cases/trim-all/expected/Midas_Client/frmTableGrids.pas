unit frmTableGrids;

interface

uses
  Classes, Controls, Forms, ComCtrls, DB, DBCtrls, DBGrids, dmClient;

type
  TTableGrids_Frm = class(TForm)
    PC: TPageControl;
    Client_TS : TTabSheet;
    Client_DBNvg: TDBNavigator;
    Client_DBGrid: TDBGrid;
    OrderDetails_TS : TTabSheet;
    OrderDetails_DBNvg: TDBNavigator;
    OrderDetails_DBGrid: TDBGrid;
    Empty_TS : TTabSheet;
    Empty_DBNvg: TDBNavigator;
    Empty_DBGrid: TDBGrid;
    ClientList_TS : TTabSheet;
    ClientList_DBNvg: TDBNavigator;
    ClientList_DBGrid: TDBGrid;

  end;

var
  TableGrids_Frm: TTableGrids_Frm;

implementation

{$R *.dfm}

end.
