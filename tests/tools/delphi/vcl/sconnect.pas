{ Stand-in for Delphi 7's SConnect unit: TStreamedConnection,
  TSocketConnection and TWebConnection. }
unit SConnect;

{$mode delphi}

interface

uses
  Windows, SysUtils, Variants, Classes, DB, DBClient, MConnect, Midas;

type
  TStreamedConnection = class(TDispatchConnection)
  private
    FInterceptGUID: string;
    FSupportCallbacks: Boolean;
  protected
    property InterceptGUID: string read FInterceptGUID write FInterceptGUID;
    property SupportCallbacks: Boolean read FSupportCallbacks write FSupportCallbacks default True;
  public
    constructor Create(AOwner: TComponent); override;
  end;

  TSocketConnection = class(TStreamedConnection)
  private
    FAddress: string;
    FHost: string;
    FPort: Integer;
  public
    constructor Create(AOwner: TComponent); override;
  published
    property Address: string read FAddress write FAddress;
    property Host: string read FHost write FHost;
    property InterceptGUID;
    property Port: Integer read FPort write FPort default 211;
    property SupportCallbacks;
    property ObjectBroker;
  end;

  TWebConnection = class(TStreamedConnection)
  private
    FAgent: string;
    FPassword: string;
    FProxy: string;
    FProxyByPass: string;
    FURL: string;
    FUserName: string;
  published
    property Agent: string read FAgent write FAgent;
    property Password: string read FPassword write FPassword;
    property Proxy: string read FProxy write FProxy;
    property ProxyByPass: string read FProxyByPass write FProxyByPass;
    property URL: string read FURL write FURL;
    property UserName: string read FUserName write FUserName;
  end;

implementation

constructor TStreamedConnection.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FSupportCallbacks := True;
end;

constructor TSocketConnection.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FPort := 211;
end;

end.
