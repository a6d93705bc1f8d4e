unit frmType;

interface

uses
  Classes, Controls, Forms, DB, DBCtrls, DBGrids, StdCtrls, Mask, dmClient;

type
  TType_Frm = class(TForm)
    Type_DBNvg: TDBNavigator;
    Type_DBGrid: TDBGrid;
    Type_Lab: TLabel;
    Type_DBEdt: TDBEdit;
    End_Lab: TLabel;
    End_DBEdt: TDBEdit;

  end;

var
  Type_Frm: TType_Frm;

implementation

{$R *.dfm}

end.
