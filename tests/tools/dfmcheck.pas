{ Parses every form file named on the command line with the component library's own text-form
  reader, ObjectTextToBinary, and reports each one it rejects. Exit status 1 when any is
  rejected. The generator's form files must load in the IDE; this is the same parser. }
program dfmcheck;

{$mode objfpc}{$H+}

uses
  Classes, SysUtils;

var
  Index: Integer;
  TextForm, BinaryForm: TMemoryStream;
  Rejected: Boolean;
begin
  Rejected := False;
  for Index := 1 to ParamCount do
  begin
    TextForm := TMemoryStream.Create;
    BinaryForm := TMemoryStream.Create;
    try
      try
        TextForm.LoadFromFile(ParamStr(Index));
        ObjectTextToBinary(TextForm, BinaryForm);
      except
        on E: Exception do
        begin
          WriteLn(StdErr, ParamStr(Index), ': ', E.Message);
          Rejected := True;
        end;
      end;
    finally
      TextForm.Free;
      BinaryForm.Free;
    end;
  end;
  if Rejected then
    Halt(1);
end.
