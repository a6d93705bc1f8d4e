unit frmMain;

interface

uses
  Windows, Messages, SysUtils, Classes, Graphics, Controls, Forms, Dialogs,
  StdCtrls;

type
  TMain_Frm = class(TForm)
    Tables_Lbl: TLabel;
    AllGrids_Btn: TButton;
    Connection_Lbl: TLabel;
    Orders_Btn: TButton;
    order_lines_Btn: TButton;
    OrderDetails_Btn: TButton;
    openorders_Btn: TButton;

    procedure FormShow(Sender: TObject);
    procedure FormCloseQuery(Sender: TObject; var CanClose: Boolean);
    procedure AllGrids_BtnClick(Sender: TObject);
    procedure Orders_BtnClick(Sender: TObject);
    procedure order_lines_BtnClick(Sender: TObject);
    procedure OrderDetails_BtnClick(Sender: TObject);
    procedure openorders_BtnClick(Sender: TObject);

  private
  public
  end;

var
  Main_Frm: TMain_Frm;

implementation

uses
  dmClient, frmTableGrids,frmOrders,frmorder_lines,frmOrderDetails,frmopenorders;

{$R *.dfm}

procedure TMain_Frm.FormShow(Sender: TObject);
begin
  // Shows which Config.ini setting took effect, the first question when a
  // client cannot reach its server.
  Connection_Lbl.Caption := 'Connection: ' + DM.ConnectionInfo;
end;

procedure TMain_Frm.FormCloseQuery(Sender: TObject; var CanClose: Boolean);
begin
  // Table forms are only hidden when closed, so a record may still be in
  // edit mode somewhere; save it before the application ends.
  DM.PostPendingEdits;
end;

procedure TMain_Frm.AllGrids_BtnClick(Sender: TObject);
begin
  TableGrids_Frm.Show;
end;

procedure TMain_Frm.Orders_BtnClick(Sender: TObject);
begin
  DM.Orders_CDS.Active := True;
  Orders_frm.Show;
end;


procedure TMain_Frm.order_lines_BtnClick(Sender: TObject);
begin
  DM.order_lines_CDS.Active := True;
  order_lines_frm.Show;
end;


procedure TMain_Frm.OrderDetails_BtnClick(Sender: TObject);
begin
  DM.OrderDetails_CDS.Active := True;
  OrderDetails_frm.Show;
end;


procedure TMain_Frm.openorders_BtnClick(Sender: TObject);
begin
  DM.openorders_CDS.Active := True;
  openorders_frm.Show;
end;




end.
