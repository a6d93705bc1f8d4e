unit frmTableGrids;

interface

uses
  Classes, Controls, Forms, ComCtrls, DB, DBCtrls, DBGrids, dmClient;

type
  TTableGrids_Frm = class(TForm)
    PC: TPageControl;
    Layout_TS : TTabSheet;
    Layout_DBNvg: TDBNavigator;
    Layout_DBGrid: TDBGrid;

  end;

var
  TableGrids_Frm: TTableGrids_Frm;

implementation

{$R *.dfm}

end.
