program Midas_Client;

uses
  Forms,
  frmMain in 'frmMain.pas' {Main_Frm},
  dmClient in 'dmClient.pas' {DM: TDataModule},
  frmType in 'frmType.pas' {Type_Frm},
  frmEnd in 'frmEnd.pas' {End_Frm},
  frmBegin in 'frmBegin.pas' {Begin_Frm},
  frmObject in 'frmObject.pas' {Object_Frm},
  frm_2019Sales in 'frm_2019Sales.pas' {_2019Sales_Frm},

  frmTableGrids in 'frmTableGrids.pas' {TableGrids_Frm};

begin
  Application.Initialize;
  Application.CreateForm(TMain_Frm, Main_Frm);
  Application.CreateForm(TDM, DM);
  Application.CreateForm(TType_Frm, Type_Frm);
  Application.CreateForm(TEnd_Frm, End_Frm);
  Application.CreateForm(TBegin_Frm, Begin_Frm);
  Application.CreateForm(TObject_Frm, Object_Frm);
  Application.CreateForm(T_2019Sales_Frm, _2019Sales_Frm);

  Application.CreateForm(TTableGrids_Frm, TableGrids_Frm);
  Application.Run;
end.
