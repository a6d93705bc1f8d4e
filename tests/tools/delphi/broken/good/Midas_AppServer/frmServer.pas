unit frmServer;

interface

uses
  Windows, Messages, SysUtils, Classes, Graphics, Controls, Forms, Dialogs,
  StdCtrls;

type
  TServer_Frm = class(TForm)
    Status_Lbl: TLabel;
    procedure FormCreate(Sender: TObject);
  end;

var
  Server_Frm: TServer_Frm;

implementation

{$R *.dfm}

procedure TServer_Frm.FormCreate(Sender: TObject);
begin
  Status_Lbl.Hint := ExtractFilePath(ParamStr(0));
end;

end.
