{ Stand-in for Delphi 7's SqlTimSt unit: the TSQLTimeStamp record and
  TSQLTimeStampField, the field class dbExpress gives a time-stamp column
  (its DataType is ftTimeStamp, which Delphi does not bind to a
  TDateTimeField).  The field publishes what TField does, DisplayFormat and
  EditMask, as TDateTimeField does; nothing else. }
unit SqlTimSt;

{$mode delphi}

interface

uses
  SysUtils, Classes, Variants, DB;

type
  TSQLTimeStamp = packed record
    Year: SmallInt;
    Month: Word;
    Day: Word;
    Hour: Word;
    Minute: Word;
    Second: Word;
    Fractions: LongWord;
  end;

  TSQLTimeStampField = class(TField)
  private
    FDisplayFormat: string;
  public
    constructor Create(AOwner: TComponent); override;
  published
    property DisplayFormat: string read FDisplayFormat write FDisplayFormat;
    property EditMask;
  end;

function DateTimeToSQLTimeStamp(const DateTime: TDateTime): TSQLTimeStamp;
function SQLTimeStampToDateTime(const DateTime: TSQLTimeStamp): TDateTime;

implementation

constructor TSQLTimeStampField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  SetDataType(ftTimeStamp);
end;

function DateTimeToSQLTimeStamp(const DateTime: TDateTime): TSQLTimeStamp;
var
  Year, Month, Day, Hour, Minute, Second, MSec: Word;
begin
  DecodeDate(DateTime, Year, Month, Day);
  DecodeTime(DateTime, Hour, Minute, Second, MSec);
  Result.Year := Year;
  Result.Month := Month;
  Result.Day := Day;
  Result.Hour := Hour;
  Result.Minute := Minute;
  Result.Second := Second;
  Result.Fractions := MSec;
end;

function SQLTimeStampToDateTime(const DateTime: TSQLTimeStamp): TDateTime;
begin
  Result := EncodeDate(DateTime.Year, DateTime.Month, DateTime.Day) +
    EncodeTime(DateTime.Hour, DateTime.Minute, DateTime.Second, DateTime.Fractions);
end;

end.
