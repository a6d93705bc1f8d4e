unit frmTableGrids;

interface

uses
  Classes, Controls, Forms, ComCtrls, DB, DBCtrls, DBGrids, dmClient;

type
  TTableGrids_Frm = class(TForm)
    PC: TPageControl;
    Type_TS : TTabSheet;
    Type_DBNvg: TDBNavigator;
    Type_DBGrid: TDBGrid;
    End_TS : TTabSheet;
    End_DBNvg: TDBNavigator;
    End_DBGrid: TDBGrid;
    Begin_TS : TTabSheet;
    Begin_DBNvg: TDBNavigator;
    Begin_DBGrid: TDBGrid;
    Object_TS : TTabSheet;
    Object_DBNvg: TDBNavigator;
    Object_DBGrid: TDBGrid;
    _2019Sales_TS : TTabSheet;
    _2019Sales_DBNvg: TDBNavigator;
    _2019Sales_DBGrid: TDBGrid;

  end;

var
  TableGrids_Frm: TTableGrids_Frm;

implementation

{$R *.dfm}

end.
