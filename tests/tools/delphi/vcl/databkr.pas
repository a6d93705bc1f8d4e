{ Stand-in for Delphi 7's DataBkr unit: TRemoteDataModule and the
  transport registration routines.

  TRemoteDataModule implements IAppServer; like TComponent in the VCL it
  also carries the IDispatch methods, so that a descendant can implement
  the dual interface of its type library. }
unit DataBkr;

{$mode delphi}

interface

uses
  Windows, ActiveX, SysUtils, Classes, Variants, Midas;

type
  TRemoteDataModule = class(TDataModule, IAppServer)
  protected
    { IDispatch }
    function GetTypeInfoCount(out Count: Integer): HResult; stdcall;
    function GetTypeInfo(Index, LocaleID: Integer; out TypeInfo): HResult; stdcall;
    function GetIDsOfNames(const IID: TGUID; Names: Pointer;
      NameCount, LocaleID: Integer; DispIDs: Pointer): HResult; stdcall;
    function Invoke(DispID: Integer; const IID: TGUID; LocaleID: Integer;
      Flags: Word; var Params; VarResult, ExcepInfo, ArgErr: Pointer): HResult; stdcall;
    { IAppServer }
    function AS_ApplyUpdates(const ProviderName: WideString; Delta: OleVariant;
      MaxErrors: Integer; out ErrorCount: Integer;
      var OwnerData: OleVariant): OleVariant; safecall;
    function AS_GetRecords(const ProviderName: WideString; Count: Integer;
      out RecsOut: Integer; Options: Integer; const CommandText: WideString;
      var Params: OleVariant; var OwnerData: OleVariant): OleVariant; safecall;
    function AS_DataRequest(const ProviderName: WideString;
      Data: OleVariant): OleVariant; safecall;
    function AS_GetProviderNames: OleVariant; safecall;
    function AS_GetParams(const ProviderName: WideString;
      var OwnerData: OleVariant): OleVariant; safecall;
    function AS_RowRequest(const ProviderName: WideString; Row: OleVariant;
      RequestType: Integer; var OwnerData: OleVariant): OleVariant; safecall;
    procedure AS_Execute(const ProviderName: WideString;
      const CommandText: WideString; var Params: OleVariant;
      var OwnerData: OleVariant); safecall;
  public
    class procedure UpdateRegistry(Register: Boolean;
      const ClassID, ProgID: string); virtual;
  end;

procedure EnableSocketTransport(const ClassID: string);
procedure DisableSocketTransport(const ClassID: string);
procedure EnableWebTransport(const ClassID: string);
procedure DisableWebTransport(const ClassID: string);
procedure RegisterPooled(const ClassID: string; Max, Timeout: Integer;
  Singleton: Boolean = False);
procedure UnregisterPooled(const ClassID: string);

implementation

const
  E_NOTIMPL = HResult($80004001);

function TRemoteDataModule.GetTypeInfoCount(out Count: Integer): HResult;
begin
  Count := 0;
  Result := E_NOTIMPL;
end;

function TRemoteDataModule.GetTypeInfo(Index, LocaleID: Integer; out TypeInfo): HResult;
begin
  Pointer(TypeInfo) := nil;
  Result := E_NOTIMPL;
end;

function TRemoteDataModule.GetIDsOfNames(const IID: TGUID; Names: Pointer;
  NameCount, LocaleID: Integer; DispIDs: Pointer): HResult;
begin
  Result := E_NOTIMPL;
end;

function TRemoteDataModule.Invoke(DispID: Integer; const IID: TGUID;
  LocaleID: Integer; Flags: Word; var Params;
  VarResult, ExcepInfo, ArgErr: Pointer): HResult;
begin
  Result := E_NOTIMPL;
end;

function TRemoteDataModule.AS_ApplyUpdates(const ProviderName: WideString;
  Delta: OleVariant; MaxErrors: Integer; out ErrorCount: Integer;
  var OwnerData: OleVariant): OleVariant;
begin
  ErrorCount := 0;
  Result := Null;
end;

function TRemoteDataModule.AS_GetRecords(const ProviderName: WideString;
  Count: Integer; out RecsOut: Integer; Options: Integer;
  const CommandText: WideString; var Params: OleVariant;
  var OwnerData: OleVariant): OleVariant;
begin
  RecsOut := 0;
  Result := Null;
end;

function TRemoteDataModule.AS_DataRequest(const ProviderName: WideString;
  Data: OleVariant): OleVariant;
begin
  Result := Null;
end;

function TRemoteDataModule.AS_GetProviderNames: OleVariant;
begin
  Result := Null;
end;

function TRemoteDataModule.AS_GetParams(const ProviderName: WideString;
  var OwnerData: OleVariant): OleVariant;
begin
  Result := Null;
end;

function TRemoteDataModule.AS_RowRequest(const ProviderName: WideString;
  Row: OleVariant; RequestType: Integer; var OwnerData: OleVariant): OleVariant;
begin
  Result := Null;
end;

procedure TRemoteDataModule.AS_Execute(const ProviderName: WideString;
  const CommandText: WideString; var Params: OleVariant;
  var OwnerData: OleVariant);
begin
end;

class procedure TRemoteDataModule.UpdateRegistry(Register: Boolean;
  const ClassID, ProgID: string);
begin
end;

procedure EnableSocketTransport(const ClassID: string);
begin
end;

procedure DisableSocketTransport(const ClassID: string);
begin
end;

procedure EnableWebTransport(const ClassID: string);
begin
end;

procedure DisableWebTransport(const ClassID: string);
begin
end;

procedure RegisterPooled(const ClassID: string; Max, Timeout: Integer;
  Singleton: Boolean);
begin
end;

procedure UnregisterPooled(const ClassID: string);
begin
end;

end.
