{ Loads the form files of one Delphi project folder into instances of their
  form and data-module classes, through the component streaming system of
  Free Pascal's Classes unit (ObjectTextToBinary, TReader.ReadRootComponent),
  and reports everything that would keep Delphi from loading them, one line
  per problem:  <file>.dfm: <message>.

  The check-projects script generates the loader program: it uses every unit
  of the project, calls AddForm once per form file and then Run.

  Besides what TReader itself refuses (unknown classes and properties,
  values of the wrong kind, event handlers the form class does not publish)
  the unit checks what Free Pascal's reader lets pass but Delphi's does not
  or what Delphi's IDE would refuse:
    - an identifier given to an integer property must belong to the
      property's own type (clRed is no TCursor), where Free Pascal accepts
      any registered identifier;
    - a component reference must name a component of the property's class;
    - every component must have a published field of exactly its class,
      and every published component field must be filled;
    - every component reference must resolve, locally or through a form or
      data module loaded from another file;
    - a data-aware control or grid column must name a field its dataset
      has, when the dataset has persistent fields.
  It also lists the providers of the folder, each with the table its
  dataset selects from, and the provider names its client datasets ask
  for, which the script matches across the two project folders.

  Run with --open, the loader loads the form files again, reporting
  nothing of that, and opens every dataset that has persistent fields
  against the field definitions of its table (see OpenDataSets), as Delphi
  opens it when the application runs. }
unit dfmcheck;

{$mode delphi}

interface

uses
  SysUtils, Classes, TypInfo, Variants;

procedure AddForm(const FileName: string; AClass: TComponentClass);
procedure Run;

implementation

uses
  {$ifdef unix} cwstring, {$endif}
  RtlConsts, Graphics, Menus, Controls, Forms, StdCtrls, ComCtrls, DB, DBCtrls,
  DBGrids, DBClient, MConnect, SConnect, FMTBcd, ADODB, Provider, SqlExpr,
  SqlTimSt;

type
  { Keeps track of whether the value whose type byte was read last has been
    consumed, so that after an error the reader can skip the rest of it
    and go on with the next property. }
  TCheckDriver = class(TBinaryObjectReader)
  private
    FPending: Boolean;
    FStarted: Boolean;
    FPendingType: TValueType;
    FLastText: string;
  public
    function NextValue: TValueType; override;
    function ReadValue: TValueType; override;
    procedure BeginComponent(var Flags: TFilerFlags; var AChildPos: Integer;
      var CompClassName, CompName: String); override;
    function BeginProperty: String; override;
    procedure ReadBinary(const DestData: TMemoryStream); override;
    function ReadFloat: Extended; override;
    function ReadSingle: Single; override;
    function ReadDate: TDateTime; override;
    function ReadCurrency: Currency; override;
    function ReadIdent(ValueType: TValueType): String; override;
    function ReadInt8: ShortInt; override;
    function ReadInt16: SmallInt; override;
    function ReadInt32: LongInt; override;
    function ReadInt64: Int64; override;
    function ReadSet(EnumType: Pointer): Integer; override;
    function ReadStr: String; override;
    function ReadString(StringType: TValueType): String; override;
    function ReadWideString: WideString; override;
    function ReadUnicodeString: UnicodeString; override;
    procedure SkipComponent(SkipComponentInfos: Boolean); override;
    procedure SkipValue; override;
    procedure DiscardPending;
    function PendingKind: string;
    property LastText: string read FLastText;
  end;

  TCheckReader = class(TReader)
  private
    FFile: string;
    FMethodDetail: string;
    FEvents: TStrings;
    procedure HandleError(Reader: TReader; const Message: string;
      var Handled: Boolean);
    procedure HandleReferenceName(Reader: TReader; var Name: string);
    procedure HandleFindMethod(Reader: TReader; const MethodName: string;
      var Address: CodePointer; var Error: Boolean);
    procedure HandleSetMethodProperty(Reader: TReader; Instance: TPersistent;
      PropInfo: PPropInfo; const TheMethodName: string; var Handled: Boolean);
  protected
    function CreateDriver(Stream: TStream; BufSize: Integer): TAbstractObjectReader; override;
  public
    constructor Create(Stream: TStream; const AFile: string; AEvents: TStrings);
  end;

  TFormEntry = record
    FileName: string;
    FormClass: TComponentClass;
    Instance: TComponent;
    Loaded: Boolean;
  end;

var
  Entries: array of TFormEntry;
  Problems: Integer = 0;
  { Set while the files are loaded again for the open step: what loading
    finds was reported by the run before. }
  Quiet: Boolean = False;

procedure Problem(const FileName, Message: string);
begin
  if Quiet then
    Exit;
  WriteLn(FileName, ': ', Message);
  Inc(Problems);
end;

procedure AddForm(const FileName: string; AClass: TComponentClass);
begin
  SetLength(Entries, Length(Entries) + 1);
  Entries[High(Entries)].FileName := FileName;
  Entries[High(Entries)].FormClass := AClass;
end;

{ TCheckDriver }

function TCheckDriver.NextValue: TValueType;
var
  SavedPending, SavedStarted: Boolean;
  SavedType: TValueType;
begin
  { A peek, through ReadValue: it changes nothing. }
  SavedPending := FPending;
  SavedStarted := FStarted;
  SavedType := FPendingType;
  Result := inherited NextValue;
  FPending := SavedPending;
  FStarted := SavedStarted;
  FPendingType := SavedType;
end;

function TCheckDriver.ReadValue: TValueType;
begin
  Result := inherited ReadValue;
  FPending := not (Result in [vaNull, vaNil, vaFalse, vaTrue]);
  FPendingType := Result;
  FStarted := True;
end;

procedure TCheckDriver.BeginComponent(var Flags: TFilerFlags;
  var AChildPos: Integer; var CompClassName, CompName: String);
begin
  inherited BeginComponent(Flags, AChildPos, CompClassName, CompName);
  FPending := False;
  FStarted := True;
end;

function TCheckDriver.BeginProperty: String;
begin
  Result := inherited BeginProperty;
  FPending := False;
  FStarted := False;
  FLastText := '';
end;

procedure TCheckDriver.ReadBinary(const DestData: TMemoryStream);
begin
  inherited ReadBinary(DestData);
  FPending := False;
end;

function TCheckDriver.ReadFloat: Extended;
begin
  Result := inherited ReadFloat;
  FPending := False;
  FLastText := FloatToStr(Result);
end;

function TCheckDriver.ReadSingle: Single;
begin
  Result := inherited ReadSingle;
  FPending := False;
  FLastText := FloatToStr(Result);
end;

function TCheckDriver.ReadDate: TDateTime;
begin
  Result := inherited ReadDate;
  FPending := False;
end;

function TCheckDriver.ReadCurrency: Currency;
begin
  Result := inherited ReadCurrency;
  FPending := False;
  FLastText := CurrToStr(Result);
end;

function TCheckDriver.ReadIdent(ValueType: TValueType): String;
begin
  Result := inherited ReadIdent(ValueType);
  FPending := False;
  FLastText := Result;
end;

function TCheckDriver.ReadInt8: ShortInt;
begin
  Result := inherited ReadInt8;
  FPending := False;
  FLastText := IntToStr(Result);
end;

function TCheckDriver.ReadInt16: SmallInt;
begin
  Result := inherited ReadInt16;
  FPending := False;
  FLastText := IntToStr(Result);
end;

function TCheckDriver.ReadInt32: LongInt;
begin
  Result := inherited ReadInt32;
  FPending := False;
  FLastText := IntToStr(Result);
end;

function TCheckDriver.ReadInt64: Int64;
begin
  Result := inherited ReadInt64;
  FPending := False;
  FLastText := IntToStr(Result);
end;

function TCheckDriver.ReadSet(EnumType: Pointer): Integer;
begin
  { The inherited method skips the rest of the set itself when an element
    is unknown; ReadStr below records the element that failed. }
  try
    Result := inherited ReadSet(EnumType);
  finally
    FPending := False;
  end;
end;

function TCheckDriver.ReadStr: String;
begin
  Result := inherited ReadStr;
  if Result <> '' then
    FLastText := Result;
end;

function TCheckDriver.ReadString(StringType: TValueType): String;
begin
  Result := inherited ReadString(StringType);
  FPending := False;
  FLastText := '''' + Result + '''';
end;

function TCheckDriver.ReadWideString: WideString;
begin
  Result := inherited ReadWideString;
  FPending := False;
  FLastText := '''' + string(Result) + '''';
end;

function TCheckDriver.ReadUnicodeString: UnicodeString;
begin
  Result := inherited ReadUnicodeString;
  FPending := False;
  FLastText := '''' + string(Result) + '''';
end;

procedure TCheckDriver.SkipComponent(SkipComponentInfos: Boolean);
begin
  inherited SkipComponent(SkipComponentInfos);
  FPending := False;
end;

procedure TCheckDriver.SkipValue;
begin
  inherited SkipValue;
  FPending := False;
end;

function KindOf(ValueType: TValueType): string;
begin
  case ValueType of
    vaInt8, vaInt16, vaInt32, vaInt64, vaQWord,
    vaExtended, vaSingle, vaCurrency, vaDate: Result := 'got a number';
    vaString, vaLString, vaWString, vaUTF8String, vaUString: Result := 'got a string';
    vaIdent: Result := 'got an identifier';
    vaList: Result := 'got a list';
    vaCollection: Result := 'got a collection';
    vaSet: Result := 'got a set';
    vaBinary: Result := 'got binary data';
    vaTrue: Result := 'got True';
    vaFalse: Result := 'got False';
    vaNil: Result := 'got nil';
    vaNull: Result := 'got Null';
  else
    Result := '';
  end;
end;

function TCheckDriver.PendingKind: string;
begin
  if not FStarted then
    { Refused before its type byte was taken (a set was expected). }
    Result := KindOf(NextValue)
  else if FPending or ((FLastText = '') and (FPendingType in [vaTrue, vaFalse, vaNil, vaNull])) then
    Result := KindOf(FPendingType)
  else
    Result := '';
end;

procedure TCheckDriver.DiscardPending;
begin
  if not FStarted then
  begin
    { Nothing of the value was read: skip it all. }
    SkipValue;
    FStarted := True;
  end
  else if FPending then
  begin
    { ReadValue took the type byte of a value nobody read; put it back (the
      way NextValue peeks) and skip the value as a whole. }
    Dec(FBufPos);
    FPending := False;
    SkipValue;
  end;
end;

{ TCheckReader }

constructor TCheckReader.Create(Stream: TStream; const AFile: string;
  AEvents: TStrings);
begin
  inherited Create(Stream, 4096);
  FFile := AFile;
  FEvents := AEvents;
  OnError := HandleError;
  OnReferenceName := HandleReferenceName;
  OnFindMethod := HandleFindMethod;
  OnSetMethodProperty := HandleSetMethodProperty;
end;

function TCheckReader.CreateDriver(Stream: TStream; BufSize: Integer): TAbstractObjectReader;
begin
  Result := TCheckDriver.Create(Stream, BufSize);
end;

procedure TCheckReader.HandleError(Reader: TReader; const Message: string;
  var Handled: Boolean);
var
  Msg, Value: string;
begin
  Msg := Message;
  if Pos('Error reading ', Msg) = 1 then
    Delete(Msg, 1, Length('Error reading '));
  if (FMethodDetail <> '') and (Pos(SInvalidPropertyValue, Msg) > 0) then
    Msg := StringReplace(Msg, SInvalidPropertyValue, FMethodDetail, [])
  else if Pos(SInvalidPropertyValue, Msg) > 0 then
  begin
    Value := TCheckDriver(Driver).PendingKind;
    if (Value = '') and TCheckDriver(Driver).FStarted then
      Value := TCheckDriver(Driver).LastText;
    if Value <> '' then
      Msg := Msg + ' (' + Value + ')';
  end;
  FMethodDetail := '';
  Problem(FFile, Msg);
  TCheckDriver(Driver).DiscardPending;
  Handled := True;
end;

procedure TCheckReader.HandleReferenceName(Reader: TReader; var Name: string);
begin
  { Free Pascal drops a local reference it cannot resolve without a word;
    a dotted one goes to the global list, checked after all files. }
  if (Pos('.', Name) = 0) and (FindNestedComponent(Root, Name) = nil) then
    Problem(FFile, Format('unresolved reference %s', [Name]));
end;

procedure TCheckReader.HandleFindMethod(Reader: TReader; const MethodName: string;
  var Address: CodePointer; var Error: Boolean);
begin
  if Address = nil then
    FMethodDetail := Format('%s has no published method %s',
      [Root.ClassName, MethodName]);
end;

procedure TCheckReader.HandleSetMethodProperty(Reader: TReader;
  Instance: TPersistent; PropInfo: PPropInfo; const TheMethodName: string;
  var Handled: Boolean);
var
  CompName: string;
begin
  { Recorded for the script, which compiles one assignment per handler so
    that the compiler compares the handler's parameters with the event
    type's. }
  if (FEvents <> nil) and (Instance is TComponent) and
    (Root.MethodAddress(TheMethodName) <> nil) then
  begin
    CompName := TComponent(Instance).Name;
    if Instance = Root then
      CompName := '';
    FEvents.Add(Format('%s'#9'%s.%s'#9'%s.%s'#9'%s'#9'%s'#9'%s',
      [FFile, GetTypeData(Root.ClassInfo)^.UnitName, Root.ClassName,
       GetTypeData(Instance.ClassInfo)^.UnitName, Instance.ClassName,
       PropInfo^.Name, TheMethodName, CompName]));
  end;
end;

{ Identifiers of integer properties }

{ Free Pascal's reader looks an identifier up in the tables of all types
  (Classes' GlobalIdentToInt, which the unit does not export); these are
  the types the library registers tables for. }
function AnyIdentToInt(const Ident: string; var Value: LongInt): Boolean;
var
  Tables: array[0..2] of Pointer;
  I: Integer;
  Convert: TIdentToInt;
begin
  Tables[0] := TypeInfo(TColor);
  Tables[1] := TypeInfo(TFontCharset);
  Tables[2] := TypeInfo(TCursor);
  for I := 0 to High(Tables) do
  begin
    Convert := FindIdentToInt(Tables[I]);
    if Assigned(Convert) and Convert(Ident, Value) then
      Exit(True);
  end;
  Result := False;
end;

procedure CheckIntegerIdents(const FileName: string; Root: TComponent;
  Stream: TStream);
var
  Driver: TBinaryObjectReader;

  function ResolvePath(Instance: TPersistent; const Path: string;
    out PropInfo: PPropInfo): TPersistent;
  var
    Rest, Part: string;
    P: Integer;
    Obj: TObject;
  begin
    Result := Instance;
    PropInfo := nil;
    Rest := Path;
    while Result <> nil do
    begin
      P := Pos('.', Rest);
      if P = 0 then
      begin
        PropInfo := GetPropInfo(Result, Rest);
        Exit;
      end;
      Part := Copy(Rest, 1, P - 1);
      Delete(Rest, 1, P);
      PropInfo := GetPropInfo(Result, Part);
      if (PropInfo = nil) or (PropInfo^.PropType^.Kind <> tkClass) then
        Result := nil
      else
      begin
        Obj := GetObjectProp(Result, PropInfo);
        if Obj is TPersistent then
          Result := TPersistent(Obj)
        else
          Result := nil;
      end;
    end;
    PropInfo := nil;
  end;

  procedure WalkProperty(Instance: TPersistent; const Owner: string);
  var
    Path, Ident: string;
    Target: TPersistent;
    PropInfo: PPropInfo;
    Value: LongInt;
    Convert: TIdentToInt;
    Obj: TObject;
    Collection: TCollection;
    Index: Integer;
    Item: TPersistent;
  begin
    Path := Driver.BeginProperty;
    Target := nil;
    PropInfo := nil;
    if Instance <> nil then
      Target := ResolvePath(Instance, Path, PropInfo);
    case Driver.NextValue of
      vaIdent:
        if (PropInfo <> nil) and (PropInfo^.PropType^.Kind = tkInteger) then
        begin
          Ident := Driver.ReadIdent(Driver.ReadValue);
          Convert := FindIdentToInt(PropInfo^.PropType);
          { What Free Pascal refused was reported already; this is about
            what it took, from the table of some other type. }
          if AnyIdentToInt(Ident, Value) and
            not (Assigned(Convert) and Convert(Ident, Value)) then
            Problem(FileName, Format('%s.%s: %s is not a %s value',
              [Owner, Path, Ident, PropInfo^.PropType^.Name]));
        end
        else
          Driver.SkipValue;
      vaCollection:
        begin
          Obj := nil;
          if (Target <> nil) and (PropInfo <> nil) and
            (PropInfo^.PropType^.Kind = tkClass) then
            Obj := GetObjectProp(Target, PropInfo);
          if Obj is TCollection then
          begin
            Collection := TCollection(Obj);
            Driver.ReadValue;
            Index := 0;
            while Driver.NextValue <> vaNull do
            begin
              if Driver.NextValue in [vaInt8, vaInt16, vaInt32] then
                Driver.SkipValue;
              Driver.ReadValue;
              if Index < Collection.Count then
                Item := Collection.Items[Index]
              else
                Item := nil;
              while Driver.NextValue <> vaNull do
                WalkProperty(Item, Format('%s.%s[%d]', [Owner, Path, Index]));
              Driver.ReadValue;
              Inc(Index);
            end;
            Driver.ReadValue;
          end
          else
            Driver.SkipValue;
        end;
    else
      Driver.SkipValue;
    end;
  end;

  procedure WalkComponent(Instance: TComponent; const Name: string);
  var
    Flags: TFilerFlags;
    ChildPos: Integer;
    ClassName, ChildName: string;
    Child: TComponent;
  begin
    while Driver.NextValue <> vaNull do
      WalkProperty(Instance, Name);
    Driver.ReadValue;
    while Driver.NextValue <> vaNull do
    begin
      Driver.BeginComponent(Flags, ChildPos, ClassName, ChildName);
      Child := nil;
      if ChildName <> '' then
        Child := Root.FindComponent(ChildName);
      WalkComponent(Child, ChildName);
    end;
    Driver.ReadValue;
  end;

var
  Flags: TFilerFlags;
  ChildPos: Integer;
  ClassName, Name: string;
begin
  Stream.Position := 0;
  Driver := TBinaryObjectReader.Create(Stream, 4096);
  try
    Driver.BeginRootComponent;
    Driver.BeginComponent(Flags, ChildPos, ClassName, Name);
    WalkComponent(Root, Name);
  finally
    Driver.Free;
  end;
end;

{ Published fields }

type
  PFieldInfo = ^TFieldInfo;
  TFieldInfo = packed record
    FieldOffset: SizeUInt;
    ClassTypeIndex: Word;
    Name: ShortString;
  end;

  PFieldClassTable = ^TFieldClassTable;
  TFieldClassTable = packed record
    Count: Word;
    Entries: array[Word] of ^TClass;
  end;

  PFieldTable = ^TFieldTable;
  TFieldTable = packed record
    FieldCount: Word;
    ClassTable: PFieldClassTable;
    { followed by FieldCount TFieldInfo records of varying size }
  end;

  TPublishedField = record
    Name: string;
    FieldClass: TClass;
    Value: TObject;
  end;
  TPublishedFields = array of TPublishedField;

function PublishedFields(Instance: TObject): TPublishedFields;
var
  Vmt: PVmt;
  Table: PFieldTable;
  Info: PFieldInfo;
  I, N: Integer;
begin
  Result := nil;
  N := 0;
  Vmt := PVmt(Instance.ClassType);
  while Vmt <> nil do
  begin
    Table := PFieldTable(Vmt^.vFieldTable);
    if Table <> nil then
    begin
      Info := PFieldInfo(PByte(Table) + SizeOf(TFieldTable));
      for I := 0 to Table^.FieldCount - 1 do
      begin
        SetLength(Result, N + 1);
        Result[N].Name := Info^.Name;
        Result[N].FieldClass := Table^.ClassTable^.Entries[Info^.ClassTypeIndex - 1]^;
        Result[N].Value := PPointer(PByte(Instance) + Info^.FieldOffset)^;
        Inc(N);
        Info := PFieldInfo(PByte(@Info^.Name) + 1 + Length(Info^.Name));
      end;
    end;
    Vmt := Vmt^.vParent;
  end;
end;

procedure CheckFields(const FileName: string; Root: TComponent);
var
  Fields: TPublishedFields;
  I, J: Integer;
  Comp: TComponent;
  Found: Boolean;
begin
  Fields := PublishedFields(Root);
  for I := 0 to Root.ComponentCount - 1 do
  begin
    Comp := Root.Components[I];
    Found := False;
    for J := 0 to High(Fields) do
      if SameText(Fields[J].Name, Comp.Name) then
      begin
        Found := True;
        if Fields[J].FieldClass <> Comp.ClassType then
          Problem(FileName, Format('%s is a %s, but %s declares the field as %s',
            [Comp.Name, Comp.ClassName, Root.ClassName, Fields[J].FieldClass.ClassName]));
        Break;
      end;
    if not Found then
      Problem(FileName, Format('%s (%s) has no published field in %s',
        [Comp.Name, Comp.ClassName, Root.ClassName]));
  end;
  for J := 0 to High(Fields) do
    if Fields[J].FieldClass.InheritsFrom(TComponent) and
      (Root.FindComponent(Fields[J].Name) = nil) then
      Problem(FileName, Format('field %s: %s of %s has no component in the form file',
        [Fields[J].Name, Fields[J].FieldClass.ClassName, Root.ClassName]));
end;

{ Classes of referenced objects }

procedure CheckReferences(const FileName: string; Instance: TPersistent;
  const Path: string; Depth: Integer);
var
  Props: PPropList;
  Count, I, K: Integer;
  Obj: TObject;
  Expected: TClass;
  Name: string;
begin
  if Depth > 8 then
    Exit;
  Count := GetPropList(Instance, Props);
  try
    for I := 0 to Count - 1 do
    begin
      if Props^[I]^.PropType^.Kind <> tkClass then
        Continue;
      Obj := GetObjectProp(Instance, Props^[I]);
      if Obj = nil then
        Continue;
      Name := Path + '.' + Props^[I]^.Name;
      Expected := GetTypeData(Props^[I]^.PropType)^.ClassType;
      if not Obj.InheritsFrom(Expected) then
      begin
        if Obj is TComponent then
          Problem(FileName, Format('%s: %s is a %s, not a %s',
            [Name, TComponent(Obj).Name, Obj.ClassName, Expected.ClassName]))
        else
          Problem(FileName, Format('%s: holds a %s, not a %s',
            [Name, Obj.ClassName, Expected.ClassName]));
      end
      else if not (Obj is TComponent) and (Obj is TPersistent) then
      begin
        CheckReferences(FileName, TPersistent(Obj), Name, Depth + 1);
        if Obj is TCollection then
          for K := 0 to TCollection(Obj).Count - 1 do
            CheckReferences(FileName, TCollection(Obj).Items[K],
              Format('%s[%d]', [Name, K]), Depth + 1);
      end;
    end;
  finally
    FreeMem(Props);
  end;
end;

{ Field names }

{ A dataset as a component of Comp's form names it: with its data module in
  front when it is not on the form itself. }
function DescribedFrom(DataSet: TDataSet; Comp: TComponent): string;
begin
  Result := DataSet.Name;
  if (DataSet.Owner <> nil) and (DataSet.Owner <> Comp.Owner) then
    Result := DataSet.Owner.Name + '.' + Result;
end;

{ A lookup control lists the rows of its ListSource's dataset: it finds the
  row by KeyField and shows ListField, each one or more field names
  separated by ";". Delphi raises "Field 'X' not found" for a name the list
  dataset lacks when the list opens, and "Circular datalinks are not
  allowed" for a list on the control's own dataset. That the ListSource
  names a TDataSource at all the reference checks see to. }
procedure CheckLookupFields(const FileName: string; Comp: TComponent);
const
  KeyProps: array[0..1] of string = ('KeyField', 'ListField');
var
  Info: PPropInfo;
  Source, Own: TObject;
  DataSet: TDataSet;
  Names: TStringList;
  I, J: Integer;
begin
  Info := GetPropInfo(Comp, 'ListSource');
  if (Info = nil) or (Info^.PropType^.Kind <> tkClass) then
    Exit;
  Source := GetObjectProp(Comp, Info);
  if not (Source is TDataSource) or (TDataSource(Source).DataSet = nil) then
    Exit;
  DataSet := TDataSource(Source).DataSet;
  Info := GetPropInfo(Comp, 'DataSource');
  if (Info <> nil) and (Info^.PropType^.Kind = tkClass) then
  begin
    Own := GetObjectProp(Comp, Info);
    if (Own is TDataSource) and (TDataSource(Own).DataSet = DataSet) then
      Problem(FileName, Format('%s.ListSource: Circular datalinks are not allowed: ' +
        'it lists %s, the dataset of its own DataSource', [Comp.Name,
        DescribedFrom(DataSet, Comp)]));
  end;
  if DataSet.FieldCount = 0 then
    Exit;
  Names := TStringList.Create;
  try
    Names.Delimiter := ';';
    Names.StrictDelimiter := True;
    for I := Low(KeyProps) to High(KeyProps) do
    begin
      Info := GetPropInfo(Comp, KeyProps[I]);
      if (Info = nil) or not (Info^.PropType^.Kind in [tkSString, tkLString, tkAString]) then
        Continue;
      Names.DelimitedText := GetStrProp(Comp, Info);
      for J := 0 to Names.Count - 1 do
        if (Trim(Names[J]) <> '') and (DataSet.FindField(Trim(Names[J])) = nil) then
          Problem(FileName, Format('%s.%s: %s has no field %s',
            [Comp.Name, KeyProps[I], DescribedFrom(DataSet, Comp), Trim(Names[J])]));
    end;
  finally
    Names.Free;
  end;
end;

{ A data-aware control whose dataset has persistent fields can only show
  one of them; Delphi raises "Field 'X' not found" when the dataset opens.
  A grid column naming no field stays empty. }
procedure CheckFieldNames(const FileName: string; Comp: TComponent);

  function DataSetOf(Source: TObject): TDataSet;
  begin
    Result := nil;
    if (Source is TDataSource) and (TDataSource(Source).DataSet <> nil) and
      (TDataSource(Source).DataSet.FieldCount > 0) then
      Result := TDataSource(Source).DataSet;
  end;

  function Described(DataSet: TDataSet): string;
  begin
    Result := DescribedFrom(DataSet, Comp);
  end;

var
  SourceInfo, FieldInfo: PPropInfo;
  DataSet: TDataSet;
  Field: string;
  I: Integer;
  Grid: TDBGrid;
begin
  SourceInfo := GetPropInfo(Comp, 'DataSource');
  if (SourceInfo = nil) or (SourceInfo^.PropType^.Kind <> tkClass) then
    Exit;
  DataSet := DataSetOf(GetObjectProp(Comp, SourceInfo));
  if DataSet = nil then
    Exit;
  FieldInfo := GetPropInfo(Comp, 'DataField');
  if (FieldInfo <> nil) and (FieldInfo^.PropType^.Kind in [tkSString, tkLString, tkAString]) then
  begin
    Field := GetStrProp(Comp, FieldInfo);
    if (Field <> '') and (DataSet.FindField(Field) = nil) then
      Problem(FileName, Format('%s.DataField: %s has no field %s',
        [Comp.Name, Described(DataSet), Field]));
  end;
  if Comp is TDBGrid then
  begin
    Grid := TDBGrid(Comp);
    for I := 0 to Grid.Columns.Count - 1 do
    begin
      Field := Grid.Columns[I].FieldName;
      if (Field <> '') and (DataSet.FindField(Field) = nil) then
        Problem(FileName, Format('%s.Columns[%d].FieldName: %s has no field %s',
          [Comp.Name, I, Described(DataSet), Field]));
    end;
  end;
end;

{ Tables of datasets }

{ The table name that starts at Text[P]: parts in double quotes, back
  quotes, brackets or bare, joined by dots. The quotes are dropped and a
  qualifier is kept: [dbo].[Order Details] is dbo.Order Details. }
function ReadTableName(const Text: string; P: Integer): string;
var
  Closing: Char;
begin
  Result := '';
  while P <= Length(Text) do
  begin
    if Text[P] in ['"', '`', '['] then
    begin
      if Text[P] = '[' then
        Closing := ']'
      else
        Closing := Text[P];
      Inc(P);
      while P <= Length(Text) do
      begin
        if Text[P] = Closing then
        begin
          { A doubled closing quote stands for itself. }
          if (P < Length(Text)) and (Text[P + 1] = Closing) then
            Inc(P)
          else
            Break;
        end;
        Result := Result + Text[P];
        Inc(P);
      end;
      Inc(P);
    end
    else
      while (P <= Length(Text)) and
        not (Text[P] in [' ', #9, #10, #13, ',', ';', '(', ')', '.', '"', '`', '[']) do
      begin
        Result := Result + Text[P];
        Inc(P);
      end;
    if (P <= Length(Text)) and (Text[P] = '.') then
    begin
      Result := Result + '.';
      Inc(P);
    end
    else
      Break;
  end;
end;

{ The table after the first FROM of a select text, outside quotes. }
function SelectedTable(const Text: string): string;
const
  WordChars = ['A'..'Z', 'a'..'z', '0'..'9', '_', '$', '#', '@'];
var
  P: Integer;
  Quote: Char;
begin
  Result := '';
  P := 1;
  while P <= Length(Text) do
  begin
    if Text[P] in ['''', '"', '`', '['] then
    begin
      if Text[P] = '[' then
        Quote := ']'
      else
        Quote := Text[P];
      Inc(P);
      while (P <= Length(Text)) and (Text[P] <> Quote) do
        Inc(P);
      Inc(P);
      Continue;
    end;
    if SameText(Copy(Text, P, 4), 'from') and
      ((P = 1) or not (Text[P - 1] in WordChars)) and
      ((P + 4 > Length(Text)) or not (Text[P + 4] in WordChars)) then
    begin
      Inc(P, 4);
      while (P <= Length(Text)) and (Text[P] in [' ', #9, #10, #13]) do
        Inc(P);
      Exit(ReadTableName(Text, P));
    end;
    Inc(P);
  end;
end;

function StringPropOf(Instance: TObject; const Name: string): string;
var
  Info: PPropInfo;
begin
  Result := '';
  Info := GetPropInfo(Instance, Name);
  if (Info <> nil) and (Info^.PropType^.Kind in
    [tkSString, tkLString, tkAString, tkWString, tkUString]) then
    Result := GetStrProp(Instance, Info);
end;

{ The table whose columns a server dataset reads, keyed as in the field
  definitions file: the table of a table component, or the table its
  select text (SQL or CommandText) selects from; '' if there is none. }
function TableKeyOf(DataSet: TObject): string;
var
  Info: PPropInfo;
  Text: string;
  Obj: TObject;
begin
  Result := '';
  if DataSet = nil then
    Exit;
  if GetPropInfo(DataSet, 'TableName') <> nil then
    Exit(ReadTableName(Trim(StringPropOf(DataSet, 'TableName')), 1));
  Info := GetPropInfo(DataSet, 'CommandType');
  if (Info <> nil) and (Info^.PropType^.Kind = tkEnumeration) and
    (Pos(GetEnumProp(DataSet, Info), ' ctTable cmdTable cmdTableDirect ') > 0) then
    Exit(ReadTableName(Trim(StringPropOf(DataSet, 'CommandText')), 1));
  Text := '';
  Info := GetPropInfo(DataSet, 'SQL');
  if (Info <> nil) and (Info^.PropType^.Kind = tkClass) then
  begin
    Obj := GetObjectProp(DataSet, Info);
    if Obj is TStrings then
      Text := StringReplace(TStrings(Obj).Text, LineEnding, ' ', [rfReplaceAll]);
  end
  else
    Text := StringPropOf(DataSet, 'CommandText');
  Result := SelectedTable(Text);
end;

{ The dataset a provider hands out. }
function ProvidedDataSet(Provider: TComponent): TObject;
var
  Info: PPropInfo;
begin
  Result := nil;
  Info := GetPropInfo(Provider, 'DataSet');
  if (Info <> nil) and (Info^.PropType^.Kind = tkClass) then
    Result := GetObjectProp(Provider, Info);
end;

{ Field definitions }

type
  TDefRow = record
    Name: string;
    DataType: TFieldType;
    Size: Integer;
    Precision: Integer;
  end;

  TDefTable = record
    Key: string;
    Rows: array of TDefRow;
  end;

  { Reports each field that a dataset cannot bind, and lets it go on. }
  TOpenReporter = class
  private
    FFile: string;
  public
    Count: Integer;
    procedure HandleBindError(DataSet: TDataSet; Field: TField;
      E: EDatabaseError; var Handled: Boolean);
  end;

var
  DefTables: array of TDefTable;

procedure TOpenReporter.HandleBindError(DataSet: TDataSet; Field: TField;
  E: EDatabaseError; var Handled: Boolean);
begin
  WriteLn(FFile, ': ', E.Message);
  Inc(Count);
  Handled := True;
end;

function FindDefTable(const Key: string): Integer;
begin
  for Result := 0 to High(DefTables) do
    if DefTables[Result].Key = Key then
      Exit;
  Result := -1;
end;

{ The field type of a definition: a TFieldType identifier (ftFixedChar), or
  a field class, standing for the DataType that class gives its fields. }
function DefType(const Token: string; out DataType: TFieldType): Boolean;
var
  FieldClass: TPersistentClass;
  Field: TField;
  Value: Integer;
begin
  Result := False;
  DataType := ftUnknown;
  if SameText(Copy(Token, 1, 2), 'ft') then
  begin
    Value := GetEnumValue(TypeInfo(TFieldType), Token);
    if Value >= 0 then
    begin
      DataType := TFieldType(Value);
      Result := True;
    end;
    Exit;
  end;
  FieldClass := GetClass(Token);
  if (FieldClass = nil) or not FieldClass.InheritsFrom(TField) then
    Exit;
  Field := TFieldClass(FieldClass).Create(nil);
  try
    DataType := Field.DataType;
  finally
    Field.Free;
  end;
  Result := True;
end;

{ Reads the field definitions file (the format is in the README): a
  "TABLE: name" line per table, then one "field | class | Size | Precision"
  line per column. Returns the number of faults, printed as
  "@defs: line N: ...", which the script puts under the file's name. }
function LoadFieldDefs(const FileName: string): Integer;
var
  Lines, Parts: TStringList;
  I, T, N: Integer;
  Line: string;
  Row: TDefRow;

  procedure Fault(const Message: string);
  begin
    WriteLn('@defs: line ', I + 1, ': ', Message);
    Inc(Result);
  end;

begin
  Result := 0;
  Lines := TStringList.Create;
  Parts := TStringList.Create;
  try
    try
      Lines.LoadFromFile(FileName);
    except
      on X: Exception do
      begin
        WriteLn('@defs: ', X.Message);
        Exit(1);
      end;
    end;
    Parts.StrictDelimiter := True;
    Parts.Delimiter := '|';
    T := -1;
    for I := 0 to Lines.Count - 1 do
    begin
      Line := Trim(Lines[I]);
      if (Line = '') or (Line[1] = '#') then
        Continue;
      if Copy(Line, 1, 6) = 'TABLE:' then
      begin
        Line := Trim(Copy(Line, 7, MaxInt));
        if Line = '' then
          Fault('a TABLE: line without a name')
        else if FindDefTable(Line) >= 0 then
          Fault(Format('table %s is given twice', [Line]))
        else
        begin
          T := Length(DefTables);
          SetLength(DefTables, T + 1);
          DefTables[T].Key := Line;
        end;
        Continue;
      end;
      Parts.DelimitedText := Line;
      if Parts.Count <> 4 then
      begin
        Fault('expected "field | class | Size | Precision"');
        Continue;
      end;
      if T < 0 then
      begin
        Fault('a column before the first TABLE: line');
        Continue;
      end;
      Row.Name := Trim(Parts[0]);
      if not DefType(Trim(Parts[1]), Row.DataType) then
      begin
        Fault(Format('%s is neither a field class nor a field type', [Trim(Parts[1])]));
        Continue;
      end;
      if not TryStrToInt(Trim(Parts[2]), Row.Size) or
        not TryStrToInt(Trim(Parts[3]), Row.Precision) then
      begin
        Fault('Size and Precision must be whole numbers');
        Continue;
      end;
      N := Length(DefTables[T].Rows);
      SetLength(DefTables[T].Rows, N + 1);
      DefTables[T].Rows[N] := Row;
    end;
  finally
    Parts.Free;
    Lines.Free;
  end;
end;

{ Provider name = table key, from the application server's provider list. }
procedure LoadProviderTables(const FileName: string; Tables: TStrings);
var
  Lines, Parts: TStringList;
  I: Integer;
begin
  if not FileExists(FileName) then
    Exit;
  Lines := TStringList.Create;
  Parts := TStringList.Create;
  try
    Lines.LoadFromFile(FileName);
    Parts.StrictDelimiter := True;
    Parts.Delimiter := #9;
    for I := 0 to Lines.Count - 1 do
    begin
      Parts.DelimitedText := Lines[I];
      if (Parts.Count >= 4) and (Parts[0] = 'P') then
        Tables.Add(Parts[2] + '=' + Parts[3]);
    end;
  finally
    Parts.Free;
    Lines.Free;
  end;
end;

function HasBoundFields(DataSet: TDataSet): Boolean;
var
  I: Integer;
begin
  for I := 0 to DataSet.FieldCount - 1 do
    if not (DataSet.Fields[I].FieldKind in [fkCalculated, fkLookup, fkAggregate]) then
      Exit(True);
  Result := False;
end;

{ Opens each dataset with persistent fields against the definitions of its
  table, so that each field is bound as when Delphi opens it (see
  TDataSet.BindFields). A server dataset finds its table from its select
  text; a client dataset through its ProviderName: the application
  server's provider of that name, its DataSet, that dataset's table, for the
  provider passes the field types of its dataset on. A dataset without
  persistent fields gets its fields from the definitions themselves and is
  not opened. A dataset whose table has no definitions is not opened
  either, unless Require is set: then that is reported. So is a client
  dataset whose provider the server does not export: the provider check
  reports that. }
function OpenDataSets(Tables: TStrings; Require: Boolean): Integer;
var
  Reporter: TOpenReporter;
  I, J, T, R: Integer;
  Root: TComponent;
  DataSet: TDataSet;
  Row: TDefRow;
  Key, Provider, Via: string;
begin
  Reporter := TOpenReporter.Create;
  try
    for I := 0 to High(Entries) do
    begin
      if not Entries[I].Loaded then
        Continue;
      Root := Entries[I].Instance;
      Reporter.FFile := Entries[I].FileName;
      for J := 0 to Root.ComponentCount - 1 do
      begin
        if not (Root.Components[J] is TDataSet) then
          Continue;
        DataSet := TDataSet(Root.Components[J]);
        if not HasBoundFields(DataSet) then
          Continue;
        Via := '';
        if DataSet is TCustomClientDataSet then
        begin
          Provider := StringPropOf(DataSet, 'ProviderName');
          if (Provider = '') or (Tables.IndexOfName(Provider) < 0) then
            Continue;
          Key := Tables.Values[Provider];
          Via := ' (through provider ' + Provider + ')';
        end
        else
          Key := TableKeyOf(DataSet);
        if Key = '' then
        begin
          if Require then
          begin
            WriteLn(Reporter.FFile, ': ', DataSet.Name,
              ': the select text names no table', Via);
            Inc(Reporter.Count);
          end;
          Continue;
        end;
        T := FindDefTable(Key);
        if T < 0 then
        begin
          if Require then
          begin
            WriteLn(Reporter.FFile, ': ', DataSet.Name,
              ': no field definitions for table ', Key, Via);
            Inc(Reporter.Count);
          end;
          Continue;
        end;
        DataSet.FieldDefs.Clear;
        for R := 0 to High(DefTables[T].Rows) do
        begin
          Row := DefTables[T].Rows[R];
          DataSet.FieldDefs.Add(Row.Name, Row.DataType, Row.Size);
          DataSet.FieldDefs[DataSet.FieldDefs.Count - 1].Precision := Row.Precision;
        end;
        DataSet.OnBindError := Reporter.HandleBindError;
        try
          DataSet.Open;
        except
          on X: Exception do
          begin
            WriteLn(Reporter.FFile, ': ', X.Message);
            Inc(Reporter.Count);
          end;
        end;
        DataSet.Close;
        DataSet.OnBindError := nil;
      end;
    end;
    Result := Reporter.Count;
  finally
    Reporter.Free;
  end;
end;

{ Loading }

function IsDataModule(const E: TFormEntry): Boolean;
begin
  Result := E.FormClass.InheritsFrom(TDataModule);
end;

procedure LoadOne(var E: TFormEntry; Events: TStrings);
var
  Text: TFileStream;
  Binary: TMemoryStream;
  Reader: TCheckReader;
begin
  if E.FormClass.InheritsFrom(TDataModule) then
    E.Instance := TDataModuleClass(E.FormClass).CreateNew(nil, 0)
  else if E.FormClass.InheritsFrom(TCustomForm) then
    E.Instance := TCustomFormClass(E.FormClass).CreateNew(nil)
  else
  begin
    Problem(E.FileName, Format('%s is neither a form nor a data module',
      [E.FormClass.ClassName]));
    Exit;
  end;
  Binary := TMemoryStream.Create;
  try
    Text := TFileStream.Create(E.FileName, fmOpenRead or fmShareDenyNone);
    try
      try
        ObjectTextToBinary(Text, Binary);
      except
        on X: Exception do
        begin
          Problem(E.FileName, 'syntax: ' + X.Message);
          Exit;
        end;
      end;
    finally
      Text.Free;
    end;
    Binary.Position := 0;
    Reader := TCheckReader.Create(Binary, E.FileName, Events);
    try
      try
        Reader.ReadRootComponent(E.Instance);
        E.Loaded := True;
      except
        on X: Exception do
          Problem(E.FileName, 'loading stopped: ' + X.Message);
      end;
    finally
      Reader.Free;
    end;
    if E.Loaded then
      try
        CheckIntegerIdents(E.FileName, E.Instance, Binary);
      except
        on X: Exception do
          Problem(E.FileName, 'reading again: ' + X.Message);
      end;
  finally
    Binary.Free;
  end;
end;

{ dfmload --open DEFS PROVIDERS [--require]: loads the form files again and
  opens their datasets; PROVIDERS is the application server's provider
  list (absent for a server alone). }
procedure RunOpenStep;
var
  Tables: TStringList;
  Pass, I, Faults: Integer;
begin
  Quiet := True;
  Faults := LoadFieldDefs(ParamStr(2));
  Tables := TStringList.Create;
  try
    LoadProviderTables(ParamStr(3), Tables);
    for Pass := 0 to 1 do
      for I := 0 to High(Entries) do
        if IsDataModule(Entries[I]) = (Pass = 0) then
          LoadOne(Entries[I], nil);
    GlobalFixupReferences;
    Inc(Faults, OpenDataSets(Tables, ParamStr(4) = '--require'));
  finally
    Tables.Free;
  end;
  if Faults > 0 then
    Halt(1);
end;

procedure Run;
var
  Events: TStringList;
  Pass, I, J, K: Integer;
  Globals, Names, Providers: TStringList;
  Root: TComponent;
begin
  if ParamStr(1) = '--open' then
  begin
    RunOpenStep;
    Exit;
  end;
  Events := TStringList.Create;
  Providers := TStringList.Create;
  Globals := TStringList.Create;
  Names := TStringList.Create;
  try
    { Data modules first, so that the forms' references into them resolve
      as they do when the application creates its data module first. }
    for Pass := 0 to 1 do
      for I := 0 to High(Entries) do
        if IsDataModule(Entries[I]) = (Pass = 0) then
          LoadOne(Entries[I], Events);
    GlobalFixupReferences;
    for I := 0 to High(Entries) do
    begin
      Root := Entries[I].Instance;
      if Root = nil then
        Continue;
      Globals.Clear;
      GetFixupReferenceNames(Root, Globals);
      for J := 0 to Globals.Count - 1 do
      begin
        Names.Clear;
        GetFixupInstanceNames(Root, Globals[J], Names);
        for K := 0 to Names.Count - 1 do
          Problem(Entries[I].FileName, Format('unresolved reference %s.%s',
            [Globals[J], Names[K]]));
      end;
      if not Entries[I].Loaded then
        Continue;
      Providers.Add('L'#9 + Entries[I].FileName);
      CheckFields(Entries[I].FileName, Root);
      CheckReferences(Entries[I].FileName, Root, Root.Name, 0);
      for J := 0 to Root.ComponentCount - 1 do
      begin
        CheckReferences(Entries[I].FileName, Root.Components[J],
          Root.Components[J].Name, 0);
        CheckFieldNames(Entries[I].FileName, Root.Components[J]);
        CheckLookupFields(Entries[I].FileName, Root.Components[J]);
        { The providers this folder offers and the ones its client datasets
          ask for; the script matches the client's against the server's. }
        if (Root.Components[J] is TCustomProvider) and
          TCustomProvider(Root.Components[J]).Exported then
          Providers.Add(Format('P'#9'%s'#9'%s'#9'%s',
            [Entries[I].FileName, Root.Components[J].Name,
             TableKeyOf(ProvidedDataSet(Root.Components[J]))]))
        else if (Root.Components[J] is TCustomClientDataSet) and
          (GetPropInfo(Root.Components[J], 'ProviderName') <> nil) and
          (GetStrProp(Root.Components[J], 'ProviderName') <> '') then
          Providers.Add(Format('C'#9'%s'#9'%s'#9'%s',
            [Entries[I].FileName, Root.Components[J].Name,
             GetStrProp(Root.Components[J], 'ProviderName')]));
      end;
    end;
    if ParamCount >= 1 then
      Events.SaveToFile(ParamStr(1));
    if ParamCount >= 2 then
      Providers.SaveToFile(ParamStr(2));
  finally
    Names.Free;
    Globals.Free;
    Providers.Free;
    Events.Free;
  end;
  if Problems > 0 then
    Halt(1);
end;

initialization
  { Names beyond ASCII, which form files carry as code points, become UTF-8
    strings, as the field definitions file is read, and are printed so
    whatever the locale: otherwise they turn into '?' on the way. }
  DefaultSystemCodePage := CP_UTF8;
  SetTextCodePage(Output, CP_UTF8);
  { Every component class of the library is registered, as a package would
    register it in the IDE, so that a component whose form class lacks its
    field still loads and is reported as such rather than as an unknown
    class. }
  RegisterClasses([TMainMenu, TPopupMenu, TMenuItem,
    TLabel, TEdit, TMemo, TButton, TPageControl, TTabSheet,
    TDBEdit, TDBMemo, TDBCheckBox, TDBLookupComboBox, TDBNavigator, TDBGrid,
    TDataSource, TStringField, TWideStringField, TGuidField, TIntegerField,
    TSmallintField, TWordField, TAutoIncField, TLargeintField, TFloatField,
    TCurrencyField, TBCDField, TFMTBCDField, TBooleanField, TDateTimeField,
    TDateField, TTimeField, TBytesField, TVarBytesField, TBlobField,
    TMemoField, TGraphicField, TVariantField, TInterfaceField,
    TIDispatchField, TADTField, TArrayField, TDataSetField,
    TSQLTimeStampField,
    TClientDataSet, TConnectionBroker, TDCOMConnection, TSocketConnection,
    TWebConnection, TDataSetProvider, TADOConnection, TADOQuery, TADODataSet,
    TADOTable, TSQLConnection, TSQLDataSet, TSQLQuery, TSQLTable]);
end.
