{ Stand-in for Delphi 7's ComServ unit: the ComServer object. }
unit ComServ;

{$mode delphi}

interface

uses
  Windows, ActiveX, SysUtils, Classes, ComObj;

type
  TStartMode = (smStandalone, smAutomation, smRegServer, smUnregServer);

  TComServer = class(TComServerObject)
  private
    FStartMode: TStartMode;
    FUIInteractive: Boolean;
  protected
    function GetServerName: string; override;
  public
    procedure Initialize;
    procedure UpdateRegistry(Register: Boolean);
    property StartMode: TStartMode read FStartMode;
    property UIInteractive: Boolean read FUIInteractive write FUIInteractive;
  end;

var
  ComServer: TComServer;

implementation

function TComServer.GetServerName: string;
begin
  Result := ChangeFileExt(ExtractFileName(ParamStr(0)), '');
end;

procedure TComServer.Initialize;
begin
end;

procedure TComServer.UpdateRegistry(Register: Boolean);
begin
end;

initialization
  ComServer := TComServer.Create;
end.
