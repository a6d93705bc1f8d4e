unit frmLines;

interface

uses
  Classes, Controls, Forms, DB, DBCtrls, DBGrids, StdCtrls, Mask, dmClient;

type
  TLines_Frm = class(TForm)
    Lines_DBNvg: TDBNavigator;
    Lines_DBGrid: TDBGrid;
    LineID_Lab: TLabel;
    LineID_DBEdt: TDBEdit;

  end;

var
  Lines_Frm: TLines_Frm;

implementation

{$R *.dfm}

end.
