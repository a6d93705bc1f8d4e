unit frmTableGrids;

interface

uses
  Classes, Controls, Forms, ComCtrls, DB, DBCtrls, DBGrids, dmClient;

type
  TTableGrids_Frm = class(TForm)
    PC: TPageControl;
    T01_TS : TTabSheet;
    T01_DBNvg: TDBNavigator;
    T01_DBGrid: TDBGrid;
    T02_TS : TTabSheet;
    T02_DBNvg: TDBNavigator;
    T02_DBGrid: TDBGrid;
    T03_TS : TTabSheet;
    T03_DBNvg: TDBNavigator;
    T03_DBGrid: TDBGrid;
    T04_TS : TTabSheet;
    T04_DBNvg: TDBNavigator;
    T04_DBGrid: TDBGrid;
    T05_TS : TTabSheet;
    T05_DBNvg: TDBNavigator;
    T05_DBGrid: TDBGrid;
    T06_TS : TTabSheet;
    T06_DBNvg: TDBNavigator;
    T06_DBGrid: TDBGrid;
    T07_TS : TTabSheet;
    T07_DBNvg: TDBNavigator;
    T07_DBGrid: TDBGrid;
    T08_TS : TTabSheet;
    T08_DBNvg: TDBNavigator;
    T08_DBGrid: TDBGrid;
    T09_TS : TTabSheet;
    T09_DBNvg: TDBNavigator;
    T09_DBGrid: TDBGrid;
    T10_TS : TTabSheet;
    T10_DBNvg: TDBNavigator;
    T10_DBGrid: TDBGrid;
    T11_TS : TTabSheet;
    T11_DBNvg: TDBNavigator;
    T11_DBGrid: TDBGrid;

  end;

var
  TableGrids_Frm: TTableGrids_Frm;

implementation

{$R *.dfm}

end.
