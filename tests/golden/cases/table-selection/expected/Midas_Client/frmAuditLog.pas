unit frmAuditLog;

interface

uses
  Classes, Controls, Forms, DB, DBCtrls, DBGrids, StdCtrls, Mask, dmClient;

type
  TAuditLog_Frm = class(TForm)
    AuditLog_DBNvg: TDBNavigator;
    AuditLog_DBGrid: TDBGrid;
    LoggedAt_Lab: TLabel;
    LoggedAt_DBEdt: TDBEdit;
    Message_Lab: TLabel;
    Message_DBEdt: TDBEdit;

  end;

var
  AuditLog_Frm: TAuditLog_Frm;

implementation

{$R *.dfm}

end.
