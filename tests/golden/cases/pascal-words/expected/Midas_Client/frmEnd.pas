unit frmEnd;

interface

uses
  Classes, Controls, Forms, DB, DBCtrls, DBGrids, StdCtrls, Mask, dmClient;

type
  TEnd_Frm = class(TForm)
    End_DBNvg: TDBNavigator;
    End_DBGrid: TDBGrid;
    Begin_Lab: TLabel;
    Begin_DBEdt: TDBEdit;
    Object_Lab: TLabel;
    Object_DBEdt: TDBEdit;

  end;

var
  End_Frm: TEnd_Frm;

implementation

{$R *.dfm}

end.
