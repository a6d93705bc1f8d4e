program Midas_Client;

uses
  Forms,
  frmMain in 'frmMain.pas' {Main_Frm},
  dmClient in 'dmClient.pas' {DM: TDataModule},
  frmOrders in 'frmOrders.pas' {Orders_Frm},
  frmSales_Client in 'frmSales_Client.pas' {Sales_Client_Frm},
  frmSales_Region in 'frmSales_Region.pas' {Sales_Region_Frm},

  frmTableGrids in 'frmTableGrids.pas' {TableGrids_Frm};

// No {$R *.res} here: the IDE recreates a missing .res when the line is
// present, but the command-line compiler stops on it. Add it back when the
// project gets an icon or version information.

begin
  Application.Initialize;
  Application.Title := 'Midas Client';
  // The data module comes first: every form's .dfm points at DM's data
  // sources, and DM reads Config.ini before any client dataset can open.
  // Main_Frm is still the main form, being the first form created.
  Application.CreateForm(TDM, DM);
  Application.CreateForm(TMain_Frm, Main_Frm);
  Application.CreateForm(TOrders_Frm, Orders_Frm);
  Application.CreateForm(TSales_Client_Frm, Sales_Client_Frm);
  Application.CreateForm(TSales_Region_Frm, Sales_Region_Frm);

  Application.CreateForm(TTableGrids_Frm, TableGrids_Frm);
  Application.Run;
end.
