unit frmMain;

interface

uses
  Classes, Controls, Forms, StdCtrls;

type
  TMain_Frm = class(TForm)
    Orders_Btn: TButton;
    Lines_Btn: TButton;

    procedure Orders_BtnClick(Sender: TObject);
    procedure Lines_BtnClick(Sender: TObject);

  end;

var
  Main_Frm: TMain_Frm;

implementation

uses
  dmClient,frmOrders,frmLines;

{$R *.dfm}

procedure TMain_Frm.Orders_BtnClick(Sender: TObject);
begin
  DM.Orders_CDS.Active := True;
  Orders_frm.Show;
end;


procedure TMain_Frm.Lines_BtnClick(Sender: TObject);
begin
  DM.Lines_CDS.Active := True;
  Lines_frm.Show;
end;



end.
