unit frmTableGrids;

interface

uses
  Classes, Controls, Forms, ComCtrls, DB, DBCtrls, DBGrids, dmClient;

type
  TTableGrids_Frm = class(TForm)
    PC: TPageControl;
    Parts_TS : TTabSheet;
    Parts_DBNvg: TDBNavigator;
    Parts_DBGrid: TDBGrid;

  end;

var
  TableGrids_Frm: TTableGrids_Frm;

implementation

{$R *.dfm}

end.
