unit frmMain;

interface

uses
  Classes, Controls, Forms, StdCtrls;

type
  TMain_Frm = class(TForm)
    Orders_Btn: TButton;
    OrderLines_Btn: TButton;

    procedure Orders_BtnClick(Sender: TObject);
    procedure OrderLines_BtnClick(Sender: TObject);

  end;

var
  Main_Frm: TMain_Frm;

implementation

uses
  dmClient,frmOrders,frmOrderLines;

{$R *.dfm}

procedure TMain_Frm.Orders_BtnClick(Sender: TObject);
begin
  DM.Orders_CDS.Active := True;
  Orders_frm.Show;
end;


procedure TMain_Frm.OrderLines_BtnClick(Sender: TObject);
begin
  DM.OrderLines_CDS.Active := True;
  OrderLines_frm.Show;
end;



end.
