unit frmParts;

interface

uses
  Classes, Controls, Forms, DB, DBCtrls, DBGrids, StdCtrls, Mask, dmClient;

type
  TParts_Frm = class(TForm)
    Parts_DBNvg: TDBNavigator;
    Parts_DBGrid: TDBGrid;
    PartNo_Lab: TLabel;
    PartNo_DBEdt: TDBEdit;
    SizeBytes_Lab: TLabel;
    SizeBytes_DBEdt: TDBEdit;
    ClientName_Lab: TLabel;
    ClientName_DBEdt: TDBEdit;
    Notes_Lab: TLabel;
    Notes_DBEdt: TDBEdit;
    Maker_Lab: TLabel;
    Maker_DBEdt: TDBEdit;

  end;

var
  Parts_Frm: TParts_Frm;

implementation

{$R *.dfm}

end.
