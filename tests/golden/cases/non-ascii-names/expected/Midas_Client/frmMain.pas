unit frmMain;

interface

uses
  Classes, Controls, Forms, StdCtrls;

type
  TMain_Frm = class(TForm)
    Artikel_Btn: TButton;
    Donnes_Btn: TButton;

    procedure Artikel_BtnClick(Sender: TObject);
    procedure Donnes_BtnClick(Sender: TObject);

  end;

var
  Main_Frm: TMain_Frm;

implementation

uses
  dmClient,frmArtikel,frmDonnes;

{$R *.dfm}

procedure TMain_Frm.Artikel_BtnClick(Sender: TObject);
begin
  DM.Artikel_CDS.Active := True;
  Artikel_frm.Show;
end;


procedure TMain_Frm.Donnes_BtnClick(Sender: TObject);
begin
  DM.Donnes_CDS.Active := True;
  Donnes_frm.Show;
end;



end.
