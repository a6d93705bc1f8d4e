{ Stand-in for Delphi 7's Mask unit: TCustomMaskEdit, the ancestor of
  TDBEdit. }
unit Mask;

{$mode delphi}

interface

uses
  Windows, SysUtils, Classes, Graphics, Controls, Forms, StdCtrls;

type
  TEditMask = type string;

  TCustomMaskEdit = class(TCustomEdit)
  private
    FEditMask: TEditMask;
  protected
    property EditMask: TEditMask read FEditMask write FEditMask;
  public
    function GetTextLen: Integer;
  end;

implementation

function TCustomMaskEdit.GetTextLen: Integer;
begin
  Result := Length(Text);
end;

end.
