program Midas_Client;

uses
  Forms,
  frmMain in 'frmMain.pas' {Main_Frm},
  dmClient in 'dmClient.pas' {DM: TDataModule},
  frmParts in 'frmParts.pas' {Parts_Frm},

  frmTableGrids in 'frmTableGrids.pas' {TableGrids_Frm};

begin
  Application.Initialize;
  Application.CreateForm(TMain_Frm, Main_Frm);
  Application.CreateForm(TDM, DM);
  Application.CreateForm(TParts_Frm, Parts_Frm);

  Application.CreateForm(TTableGrids_Frm, TableGrids_Frm);
  Application.Run;
end.
