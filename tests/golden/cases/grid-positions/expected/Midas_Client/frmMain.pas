unit frmMain;

interface

uses
  Classes, Controls, Forms, StdCtrls;

type
  TMain_Frm = class(TForm)
    T01_Btn: TButton;
    T02_Btn: TButton;
    T03_Btn: TButton;
    T04_Btn: TButton;
    T05_Btn: TButton;
    T06_Btn: TButton;
    T07_Btn: TButton;
    T08_Btn: TButton;
    T09_Btn: TButton;
    T10_Btn: TButton;
    T11_Btn: TButton;

    procedure T01_BtnClick(Sender: TObject);
    procedure T02_BtnClick(Sender: TObject);
    procedure T03_BtnClick(Sender: TObject);
    procedure T04_BtnClick(Sender: TObject);
    procedure T05_BtnClick(Sender: TObject);
    procedure T06_BtnClick(Sender: TObject);
    procedure T07_BtnClick(Sender: TObject);
    procedure T08_BtnClick(Sender: TObject);
    procedure T09_BtnClick(Sender: TObject);
    procedure T10_BtnClick(Sender: TObject);
    procedure T11_BtnClick(Sender: TObject);

  end;

var
  Main_Frm: TMain_Frm;

implementation

uses
  dmClient,frmT01,frmT02,frmT03,frmT04,frmT05,frmT06,frmT07,frmT08,frmT09,frmT10,frmT11;

{$R *.dfm}

procedure TMain_Frm.T01_BtnClick(Sender: TObject);
begin
  DM.T01_CDS.Active := True;
  T01_frm.Show;
end;


procedure TMain_Frm.T02_BtnClick(Sender: TObject);
begin
  DM.T02_CDS.Active := True;
  T02_frm.Show;
end;


procedure TMain_Frm.T03_BtnClick(Sender: TObject);
begin
  DM.T03_CDS.Active := True;
  T03_frm.Show;
end;


procedure TMain_Frm.T04_BtnClick(Sender: TObject);
begin
  DM.T04_CDS.Active := True;
  T04_frm.Show;
end;


procedure TMain_Frm.T05_BtnClick(Sender: TObject);
begin
  DM.T05_CDS.Active := True;
  T05_frm.Show;
end;


procedure TMain_Frm.T06_BtnClick(Sender: TObject);
begin
  DM.T06_CDS.Active := True;
  T06_frm.Show;
end;


procedure TMain_Frm.T07_BtnClick(Sender: TObject);
begin
  DM.T07_CDS.Active := True;
  T07_frm.Show;
end;


procedure TMain_Frm.T08_BtnClick(Sender: TObject);
begin
  DM.T08_CDS.Active := True;
  T08_frm.Show;
end;


procedure TMain_Frm.T09_BtnClick(Sender: TObject);
begin
  DM.T09_CDS.Active := True;
  T09_frm.Show;
end;


procedure TMain_Frm.T10_BtnClick(Sender: TObject);
begin
  DM.T10_CDS.Active := True;
  T10_frm.Show;
end;


procedure TMain_Frm.T11_BtnClick(Sender: TObject);
begin
  DM.T11_CDS.Active := True;
  T11_frm.Show;
end;



end.
