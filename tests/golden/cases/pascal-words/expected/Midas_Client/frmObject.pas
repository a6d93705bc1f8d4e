unit frmObject;

interface

uses
  Classes, Controls, Forms, DB, DBCtrls, DBGrids, StdCtrls, Mask, dmClient;

type
  TObject_Frm = class(TForm)
    Object_DBNvg: TDBNavigator;
    Object_DBGrid: TDBGrid;
    Record_Lab: TLabel;
    Record_DBEdt: TDBEdit;

  end;

var
  Object_Frm: TObject_Frm;

implementation

{$R *.dfm}

end.
