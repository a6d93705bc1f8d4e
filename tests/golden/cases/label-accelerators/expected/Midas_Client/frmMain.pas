unit frmMain;

interface

uses
  Classes, Controls, Forms, StdCtrls;

type
  TMain_Frm = class(TForm)
    Parts_Btn: TButton;

    procedure Parts_BtnClick(Sender: TObject);

  end;

var
  Main_Frm: TMain_Frm;

implementation

uses
  dmClient,frmParts;

{$R *.dfm}

procedure TMain_Frm.Parts_BtnClick(Sender: TObject);
begin
  DM.Parts_CDS.Active := True;
  Parts_frm.Show;
end;



end.
