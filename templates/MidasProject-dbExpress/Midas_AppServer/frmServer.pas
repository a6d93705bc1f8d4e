unit frmServer;

interface

uses
  Windows, Messages, SysUtils, Classes, Graphics, Controls, Forms, Dialogs,
  StdCtrls;

type
  TServer_Frm = class(TForm)
    Status_Lbl: TLabel;
    Info_Lbl: TLabel;
    Folder_Lbl: TLabel;
    procedure FormCreate(Sender: TObject);
  private
  public
  end;

var
  Server_Frm: TServer_Frm;

implementation

{$R *.dfm}

procedure TServer_Frm.FormCreate(Sender: TObject);
begin
  // The remote data module looks for its database in this folder, so show it:
  // it is the first thing to check when clients report connection errors.
  Folder_Lbl.Caption := 'Database folder: ' + ExtractFilePath(ParamStr(0));
  Folder_Lbl.Hint := Folder_Lbl.Caption;
end;

end.
