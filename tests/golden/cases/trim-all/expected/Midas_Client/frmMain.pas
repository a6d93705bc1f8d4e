unit frmMain;

interface

uses
  Classes, Controls, Forms, StdCtrls;

type
  TMain_Frm = class(TForm)
    Client_Btn: TButton;
    OrderDetails_Btn: TButton;
    Empty_Btn: TButton;
    ClientList_Btn: TButton;

    procedure Client_BtnClick(Sender: TObject);
    procedure OrderDetails_BtnClick(Sender: TObject);
    procedure Empty_BtnClick(Sender: TObject);
    procedure ClientList_BtnClick(Sender: TObject);

  end;

var
  Main_Frm: TMain_Frm;

implementation

uses
  dmClient,frmClient,frmOrderDetails,frmEmpty,frmClientList;

{$R *.dfm}

procedure TMain_Frm.Client_BtnClick(Sender: TObject);
begin
  DM.Client_CDS.Active := True;
  Client_frm.Show;
end;


procedure TMain_Frm.OrderDetails_BtnClick(Sender: TObject);
begin
  DM.OrderDetails_CDS.Active := True;
  OrderDetails_frm.Show;
end;


procedure TMain_Frm.Empty_BtnClick(Sender: TObject);
begin
  DM.Empty_CDS.Active := True;
  Empty_frm.Show;
end;


procedure TMain_Frm.ClientList_BtnClick(Sender: TObject);
begin
  DM.ClientList_CDS.Active := True;
  ClientList_frm.Show;
end;



end.
