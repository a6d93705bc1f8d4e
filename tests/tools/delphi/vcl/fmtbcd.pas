{ Stand-in for Delphi 7's FMTBcd unit: the TBcd type and TFMTBCDField.
  (Free Pascal's own FmtBCD unit has the BCD arithmetic but not the field
  class, which Delphi 7 declares here, so this unit replaces it.) }
unit FMTBcd;

{$mode delphi}

interface

uses
  SysUtils, Classes, Variants, DB;

type
  TBcd = packed record
    Precision: Byte;
    SignSpecialPlaces: Byte;
    Fraction: packed array[0..31] of Byte;
  end;

  TFMTBCDField = class(TNumericField)
  private
    FCurrency: Boolean;
    FMaxValue: string;
    FMinValue: string;
    FPrecision: Integer;
  public
    constructor Create(AOwner: TComponent); override;
  published
    property Currency: Boolean read FCurrency write FCurrency default False;
    property MaxValue: string read FMaxValue write FMaxValue;
    property MinValue: string read FMinValue write FMinValue;
    property Precision: Integer read FPrecision write FPrecision default 15;
    property Size default 8;
  end;

function StrToBcd(const AValue: string): TBcd;
function BcdToStr(const Bcd: TBcd): string;

implementation

constructor TFMTBCDField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  SetDataType(ftFMTBcd);
  Size := 8;
  FPrecision := 15;
end;

function StrToBcd(const AValue: string): TBcd;
begin
  FillChar(Result, SizeOf(Result), 0);
end;

function BcdToStr(const Bcd: TBcd): string;
begin
  Result := '0';
end;

end.
