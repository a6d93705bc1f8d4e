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
    Sales_Client_Btn: TButton;
    Sales_Region_Btn: TButton;

    procedure FormShow(Sender: TObject);
    procedure FormCloseQuery(Sender: TObject; var CanClose: Boolean);
    procedure AllGrids_BtnClick(Sender: TObject);
    procedure Orders_BtnClick(Sender: TObject);
    procedure Sales_Client_BtnClick(Sender: TObject);
    procedure Sales_Region_BtnClick(Sender: TObject);

  private
  public
  end;

var
  Main_Frm: TMain_Frm;

implementation

uses
  dmClient, frmTableGrids,frmOrders,frmSales_Client,frmSales_Region;

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


procedure TMain_Frm.Sales_Client_BtnClick(Sender: TObject);
begin
  DM.Sales_Client_CDS.Active := True;
  Sales_Client_frm.Show;
end;


procedure TMain_Frm.Sales_Region_BtnClick(Sender: TObject);
begin
  DM.Sales_Region_CDS.Active := True;
  Sales_Region_frm.Show;
end;




end.
