{ Stand-in for Delphi 7's Messages unit. }
unit Messages;

{$mode delphi}

interface

uses
  Windows;

type
  TMessage = record
    Msg: Cardinal;
    WParam: Longint;
    LParam: Longint;
    Result: Longint;
  end;

  TWMKey = record
    Msg: Cardinal;
    CharCode: Word;
    Unused: Word;
    KeyData: Longint;
    Result: Longint;
  end;

const
  WM_USER = $0400;
  WM_CLOSE = $0010;

implementation

end.
