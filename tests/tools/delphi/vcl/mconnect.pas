{ Stand-in for Delphi 7's MConnect unit: TDispatchConnection and
  TDCOMConnection.  TOLEnterpriseConnection, TSharedConnection and
  TLocalConnection are not used by the generated projects and are left
  out. }
unit MConnect;

{$mode delphi}

interface

uses
  Windows, SysUtils, Variants, Classes, DB, DBClient, Midas;

type
  TCustomObjectBroker = class(TComponent)
  public
    function GetComputerForGUID(GUID: TGUID): string; virtual; abstract;
    function GetComputerForProgID(const ProgID: string): string; virtual; abstract;
  end;

  TDispatchConnection = class(TCustomRemoteServer)
  private
    FServerGUID: string;
    FServerName: string;
    FObjectBroker: TCustomObjectBroker;
    procedure SetObjectBroker(Value: TCustomObjectBroker);
  protected
    procedure Notification(AComponent: TComponent; Operation: TOperation); override;
    property ObjectBroker: TCustomObjectBroker read FObjectBroker write SetObjectBroker;
  published
    property ServerGUID: string read FServerGUID write FServerGUID;
    property ServerName: string read FServerName write FServerName;
    property Connected;
    property LoginPrompt;
    property AfterConnect;
    property AfterDisconnect;
    property BeforeConnect;
    property BeforeDisconnect;
    property OnGetUsername;
    property OnLogin;
  end;

  TCOMConnection = class(TDispatchConnection)
  end;

  TDCOMConnection = class(TCOMConnection)
  private
    FComputerName: string;
  published
    property ComputerName: string read FComputerName write FComputerName;
    property ObjectBroker;
  end;

implementation

procedure TDispatchConnection.Notification(AComponent: TComponent; Operation: TOperation);
begin
  inherited Notification(AComponent, Operation);
  if (Operation = opRemove) and (AComponent = FObjectBroker) then
    FObjectBroker := nil;
end;

procedure TDispatchConnection.SetObjectBroker(Value: TCustomObjectBroker);
begin
  FObjectBroker := Value;
  if Value <> nil then
    Value.FreeNotification(Self);
end;

end.
