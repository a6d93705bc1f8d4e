unit frmORDERDETAILS_4;

interface

uses
  Classes, Controls, Forms, DB, DBCtrls, DBGrids, StdCtrls, Mask, dmClient;

type
  TORDERDETAILS_4_Frm = class(TForm)
    ORDERDETAILS_4_DBNvg: TDBNavigator;
    ORDERDETAILS_4_DBGrid: TDBGrid;
    Flag_Lab: TLabel;
    Flag_DBChk: TDBCheckBox;

  end;

var
  ORDERDETAILS_4_Frm: TORDERDETAILS_4_Frm;

implementation

{$R *.dfm}

end.
