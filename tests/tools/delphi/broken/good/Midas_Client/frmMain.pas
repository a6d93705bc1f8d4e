unit frmMain;

interface

uses
  Windows, Messages, SysUtils, Classes, Graphics, Controls, Forms, Dialogs,
  StdCtrls;

type
  TMain_Frm = class(TForm)
    Tables_Lbl: TLabel;
    Orders_Btn: TButton;
    AllGrids_Btn: TButton;
    procedure FormCloseQuery(Sender: TObject; var CanClose: Boolean);
    procedure Orders_BtnClick(Sender: TObject);
    procedure AllGrids_BtnClick(Sender: TObject);
  end;

var
  Main_Frm: TMain_Frm;

implementation

uses
  dmClient, frmOrders, frmTableGrids;

{$R *.dfm}

procedure TMain_Frm.FormCloseQuery(Sender: TObject; var CanClose: Boolean);
begin
  CanClose := True;
end;

procedure TMain_Frm.Orders_BtnClick(Sender: TObject);
begin
  DM.Orders_CDS.Active := True;
  Orders_Frm.Show;
end;

procedure TMain_Frm.AllGrids_BtnClick(Sender: TObject);
begin
  TableGrids_Frm.Show;
end;

end.
