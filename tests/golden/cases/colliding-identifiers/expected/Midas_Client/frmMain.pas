unit frmMain;

interface

uses
  Classes, Controls, Forms, StdCtrls;

type
  TMain_Frm = class(TForm)
    OrderDetails_Btn: TButton;
    OrderDetails_3_Btn: TButton;
    OrderDetails_2_Btn: TButton;
    ORDERDETAILS_4_Btn: TButton;
    Main_2_Btn: TButton;

    procedure OrderDetails_BtnClick(Sender: TObject);
    procedure OrderDetails_3_BtnClick(Sender: TObject);
    procedure OrderDetails_2_BtnClick(Sender: TObject);
    procedure ORDERDETAILS_4_BtnClick(Sender: TObject);
    procedure Main_2_BtnClick(Sender: TObject);

  end;

var
  Main_Frm: TMain_Frm;

implementation

uses
  dmClient,frmOrderDetails,frmOrderDetails_3,frmOrderDetails_2,frmORDERDETAILS_4,frmMain_2;

{$R *.dfm}

procedure TMain_Frm.OrderDetails_BtnClick(Sender: TObject);
begin
  DM.OrderDetails_CDS.Active := True;
  OrderDetails_frm.Show;
end;


procedure TMain_Frm.OrderDetails_3_BtnClick(Sender: TObject);
begin
  DM.OrderDetails_3_CDS.Active := True;
  OrderDetails_3_frm.Show;
end;


procedure TMain_Frm.OrderDetails_2_BtnClick(Sender: TObject);
begin
  DM.OrderDetails_2_CDS.Active := True;
  OrderDetails_2_frm.Show;
end;


procedure TMain_Frm.ORDERDETAILS_4_BtnClick(Sender: TObject);
begin
  DM.ORDERDETAILS_4_CDS.Active := True;
  ORDERDETAILS_4_frm.Show;
end;


procedure TMain_Frm.Main_2_BtnClick(Sender: TObject);
begin
  DM.Main_2_CDS.Active := True;
  Main_2_frm.Show;
end;



end.
