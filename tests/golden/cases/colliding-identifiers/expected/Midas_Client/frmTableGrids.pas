unit frmTableGrids;

interface

uses
  Classes, Controls, Forms, ComCtrls, DB, DBCtrls, DBGrids, dmClient;

type
  TTableGrids_Frm = class(TForm)
    PC: TPageControl;
    OrderDetails_TS : TTabSheet;
    OrderDetails_DBNvg: TDBNavigator;
    OrderDetails_DBGrid: TDBGrid;
    OrderDetails_3_TS : TTabSheet;
    OrderDetails_3_DBNvg: TDBNavigator;
    OrderDetails_3_DBGrid: TDBGrid;
    OrderDetails_2_TS : TTabSheet;
    OrderDetails_2_DBNvg: TDBNavigator;
    OrderDetails_2_DBGrid: TDBGrid;
    ORDERDETAILS_4_TS : TTabSheet;
    ORDERDETAILS_4_DBNvg: TDBNavigator;
    ORDERDETAILS_4_DBGrid: TDBGrid;
    Main_2_TS : TTabSheet;
    Main_2_DBNvg: TDBNavigator;
    Main_2_DBGrid: TDBGrid;

  end;

var
  TableGrids_Frm: TTableGrids_Frm;

implementation

{$R *.dfm}

end.
