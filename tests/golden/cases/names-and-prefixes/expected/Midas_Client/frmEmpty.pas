unit frmEmpty;

interface

uses
  Classes, Controls, Forms, DB, DBCtrls, DBGrids, StdCtrls, Mask, dmClient;

type
  TEmpty_Frm = class(TForm)
    Empty_DBNvg: TDBNavigator;
    Empty_DBGrid: TDBGrid;

  end;

var
  Empty_Frm: TEmpty_Frm;

implementation

{$R *.dfm}

end.
