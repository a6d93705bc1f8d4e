unit frmMain;

interface

uses
  Classes, Controls, Forms, StdCtrls;

type
  TMain_Frm = class(TForm)
    Type_Btn: TButton;
    End_Btn: TButton;
    Begin_Btn: TButton;
    Object_Btn: TButton;
    _2019Sales_Btn: TButton;

    procedure Type_BtnClick(Sender: TObject);
    procedure End_BtnClick(Sender: TObject);
    procedure Begin_BtnClick(Sender: TObject);
    procedure Object_BtnClick(Sender: TObject);
    procedure _2019Sales_BtnClick(Sender: TObject);

  end;

var
  Main_Frm: TMain_Frm;

implementation

uses
  dmClient,frmType,frmEnd,frmBegin,frmObject,frm_2019Sales;

{$R *.dfm}

procedure TMain_Frm.Type_BtnClick(Sender: TObject);
begin
  DM.Type_CDS.Active := True;
  Type_frm.Show;
end;


procedure TMain_Frm.End_BtnClick(Sender: TObject);
begin
  DM.End_CDS.Active := True;
  End_frm.Show;
end;


procedure TMain_Frm.Begin_BtnClick(Sender: TObject);
begin
  DM.Begin_CDS.Active := True;
  Begin_frm.Show;
end;


procedure TMain_Frm.Object_BtnClick(Sender: TObject);
begin
  DM.Object_CDS.Active := True;
  Object_frm.Show;
end;


procedure TMain_Frm._2019Sales_BtnClick(Sender: TObject);
begin
  DM._2019Sales_CDS.Active := True;
  _2019Sales_frm.Show;
end;



end.
