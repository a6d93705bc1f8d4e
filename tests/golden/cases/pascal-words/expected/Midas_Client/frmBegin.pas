unit frmBegin;

interface

uses
  Classes, Controls, Forms, DB, DBCtrls, DBGrids, StdCtrls, Mask, dmClient;

type
  TBegin_Frm = class(TForm)
    Begin_DBNvg: TDBNavigator;
    Begin_DBGrid: TDBGrid;
    Class_Lab: TLabel;
    Class_DBChk: TDBCheckBox;

  end;

var
  Begin_Frm: TBegin_Frm;

implementation

{$R *.dfm}

end.
