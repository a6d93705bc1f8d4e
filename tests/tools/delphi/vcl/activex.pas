{ Stand-in for Delphi 7's ActiveX unit: the few COM types that type-library
  units refer to. }
unit ActiveX;

{$mode delphi}

interface

uses
  Windows, Types;

type
  TOleEnum = type LongWord;
  TOleChar = WideChar;
  POleStr = PWideChar;
  TDispID = Longint;
  TLCID = DWORD;

const
  S_OK = 0;
  S_FALSE = 1;
  E_NOTIMPL = HResult($80004001);
  E_FAIL = HResult($80004005);

function CoInitialize(pvReserved: Pointer): HResult;
procedure CoUninitialize;

implementation

function CoInitialize(pvReserved: Pointer): HResult;
begin
  Result := S_OK;
end;

procedure CoUninitialize;
begin
end;

end.
