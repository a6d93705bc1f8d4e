unit frmMain;

interface

uses
  Classes, Controls, Forms, StdCtrls;

type
  TMain_Frm = class(TForm)
    Layout_Btn: TButton;

    procedure Layout_BtnClick(Sender: TObject);

  end;

var
  Main_Frm: TMain_Frm;

implementation

uses
  dmClient,frmLayout;

{$R *.dfm}

procedure TMain_Frm.Layout_BtnClick(Sender: TObject);
begin
  DM.Layout_CDS.Active := True;
  Layout_frm.Show;
end;



end.
