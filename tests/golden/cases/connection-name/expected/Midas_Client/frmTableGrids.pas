unit frmTableGrids;

interface

uses
  Classes, Controls, Forms, ComCtrls, DB, DBCtrls, DBGrids, dmClient;

type
  TTableGrids_Frm = class(TForm)
    PC: TPageControl;
    Orders_TS : TTabSheet;
    Orders_DBNvg: TDBNavigator;
    Orders_DBGrid: TDBGrid;
    Lines_TS : TTabSheet;
    Lines_DBNvg: TDBNavigator;
    Lines_DBGrid: TDBGrid;

  end;

var
  TableGrids_Frm: TTableGrids_Frm;

implementation

{$R *.dfm}

end.
