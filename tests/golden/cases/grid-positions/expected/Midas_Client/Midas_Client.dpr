program Midas_Client;

uses
  Forms,
  frmMain in 'frmMain.pas' {Main_Frm},
  dmClient in 'dmClient.pas' {DM: TDataModule},
  frmT01 in 'frmT01.pas' {T01_Frm},
  frmT02 in 'frmT02.pas' {T02_Frm},
  frmT03 in 'frmT03.pas' {T03_Frm},
  frmT04 in 'frmT04.pas' {T04_Frm},
  frmT05 in 'frmT05.pas' {T05_Frm},
  frmT06 in 'frmT06.pas' {T06_Frm},
  frmT07 in 'frmT07.pas' {T07_Frm},
  frmT08 in 'frmT08.pas' {T08_Frm},
  frmT09 in 'frmT09.pas' {T09_Frm},
  frmT10 in 'frmT10.pas' {T10_Frm},
  frmT11 in 'frmT11.pas' {T11_Frm},

  frmTableGrids in 'frmTableGrids.pas' {TableGrids_Frm};

begin
  Application.Initialize;
  Application.CreateForm(TMain_Frm, Main_Frm);
  Application.CreateForm(TDM, DM);
  Application.CreateForm(TT01_Frm, T01_Frm);
  Application.CreateForm(TT02_Frm, T02_Frm);
  Application.CreateForm(TT03_Frm, T03_Frm);
  Application.CreateForm(TT04_Frm, T04_Frm);
  Application.CreateForm(TT05_Frm, T05_Frm);
  Application.CreateForm(TT06_Frm, T06_Frm);
  Application.CreateForm(TT07_Frm, T07_Frm);
  Application.CreateForm(TT08_Frm, T08_Frm);
  Application.CreateForm(TT09_Frm, T09_Frm);
  Application.CreateForm(TT10_Frm, T10_Frm);
  Application.CreateForm(TT11_Frm, T11_Frm);

  Application.CreateForm(TTableGrids_Frm, TableGrids_Frm);
  Application.Run;
end.
