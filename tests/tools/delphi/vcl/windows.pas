{ Stand-in for Delphi 7's Windows unit: only the handful of types and
  constants that the VCL stand-ins and the generated units need. }
unit Windows;

{$mode delphi}

interface

uses
  Types;

type
  DWORD = LongWord;
  BOOL = LongBool;
  UINT = LongWord;
  WPARAM = Longint;
  LPARAM = Longint;
  LRESULT = Longint;
  THandle = LongWord;
  HWND = type LongWord;
  HDC = type LongWord;
  HFONT = type LongWord;
  HICON = type LongWord;
  HMENU = type LongWord;
  HINST = type LongWord;
  HMODULE = HINST;
  TRect = Types.TRect;
  TPoint = Types.TPoint;
  TSize = Types.TSize;
  PRect = Types.PRect;
  PPoint = Types.PPoint;
  TRTLCriticalSection = record
    Reserved: array[0..5] of Pointer;
  end;

const
  ANSI_CHARSET = 0;
  DEFAULT_CHARSET = 1;
  SYMBOL_CHARSET = 2;
  MAC_CHARSET = 77;
  SHIFTJIS_CHARSET = 128;
  HANGEUL_CHARSET = 129;
  JOHAB_CHARSET = 130;
  GB2312_CHARSET = 134;
  CHINESEBIG5_CHARSET = 136;
  GREEK_CHARSET = 161;
  TURKISH_CHARSET = 162;
  VIETNAMESE_CHARSET = 163;
  HEBREW_CHARSET = 177;
  ARABIC_CHARSET = 178;
  BALTIC_CHARSET = 186;
  RUSSIAN_CHARSET = 204;
  THAI_CHARSET = 222;
  EASTEUROPE_CHARSET = 238;
  OEM_CHARSET = 255;

  MB_OK = $00000000;
  MB_OKCANCEL = $00000001;
  MB_YESNO = $00000004;
  MB_ICONERROR = $00000010;
  MB_ICONQUESTION = $00000020;
  MB_ICONWARNING = $00000030;
  MB_ICONINFORMATION = $00000040;
  IDOK = 1;
  IDCANCEL = 2;
  IDYES = 6;
  IDNO = 7;

function MessageBox(hWnd: HWND; lpText, lpCaption: PChar; uType: UINT): Integer;
function GetTickCount: DWORD;

implementation

function MessageBox(hWnd: HWND; lpText, lpCaption: PChar; uType: UINT): Integer;
begin
  Result := IDOK;
end;

function GetTickCount: DWORD;
begin
  Result := 0;
end;

end.
