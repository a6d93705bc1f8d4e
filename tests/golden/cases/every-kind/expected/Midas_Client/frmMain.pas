unit frmMain;

interface

uses
  Classes, Controls, Forms, StdCtrls;

type
  TMain_Frm = class(TForm)
    Kinds_Btn: TButton;

    procedure Kinds_BtnClick(Sender: TObject);

  end;

var
  Main_Frm: TMain_Frm;

implementation

uses
  dmClient,frmKinds;

{$R *.dfm}

procedure TMain_Frm.Kinds_BtnClick(Sender: TObject);
begin
  DM.Kinds_CDS.Active := True;
  Kinds_frm.Show;
end;



end.
