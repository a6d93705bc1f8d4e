{ Stand-in for Delphi 7's ComObj unit: COM object factories and the
  CreateComObject routines. }
unit ComObj;

{$mode delphi}

interface

uses
  Windows, ActiveX, SysUtils, Classes, Variants;

type
  TThreadingModel = (tmSingle, tmApartment, tmFree, tmBoth, tmNeutral);
  TClassInstancing = (ciInternal, ciSingleInstance, ciMultiInstance);

  EOleError = class(Exception);
  EOleSysError = class(EOleError)
  private
    FErrorCode: HResult;
  public
    constructor Create(const Message: string; ErrorCode: HResult;
      HelpContext: Integer);
    property ErrorCode: HResult read FErrorCode write FErrorCode;
  end;
  EOleException = class(EOleSysError);

  TComServerObject = class(TObject)
  protected
    function GetServerName: string; virtual; abstract;
  public
    property ServerName: string read GetServerName;
  end;

  TComObjectFactory = class(TObject)
  private
    FComServer: TComServerObject;
    FClassID: TGUID;
    FClassName: string;
    FDescription: string;
    FInstancing: TClassInstancing;
    FThreadingModel: TThreadingModel;
  public
    constructor Create(ComServer: TComServerObject; ComClass: TClass;
      const ClassID: TGUID; const ClassName, Description: string;
      Instancing: TClassInstancing; ThreadingModel: TThreadingModel = tmSingle);
    procedure UpdateRegistry(Register: Boolean); virtual;
    property ClassID: TGUID read FClassID;
    property ClassName: string read FClassName;
    property ComServer: TComServerObject read FComServer;
    property Description: string read FDescription;
    property Instancing: TClassInstancing read FInstancing;
    property ThreadingModel: TThreadingModel read FThreadingModel;
  end;

  TTypedComObjectFactory = class(TComObjectFactory)
  end;

  TAutoObjectFactory = class(TTypedComObjectFactory)
  end;

function CreateComObject(const ClassID: TGUID): IUnknown;
function CreateRemoteComObject(const MachineName: WideString;
  const ClassID: TGUID): IUnknown;
function CreateOleObject(const ClassName: string): IDispatch;
procedure OleCheck(Result: HResult);
function ProgIDToClassID(const ProgID: string): TGUID;
function ClassIDToProgID(const ClassID: TGUID): string;

implementation

constructor EOleSysError.Create(const Message: string; ErrorCode: HResult;
  HelpContext: Integer);
begin
  inherited CreateHelp(Message, HelpContext);
  FErrorCode := ErrorCode;
end;

constructor TComObjectFactory.Create(ComServer: TComServerObject;
  ComClass: TClass; const ClassID: TGUID; const ClassName, Description: string;
  Instancing: TClassInstancing; ThreadingModel: TThreadingModel);
begin
  inherited Create;
  FComServer := ComServer;
  FClassID := ClassID;
  FClassName := ClassName;
  FDescription := Description;
  FInstancing := Instancing;
  FThreadingModel := ThreadingModel;
end;

procedure TComObjectFactory.UpdateRegistry(Register: Boolean);
begin
end;

function CreateComObject(const ClassID: TGUID): IUnknown;
begin
  raise EOleSysError.Create('COM is not available', HResult($80040154), 0);
end;

function CreateRemoteComObject(const MachineName: WideString;
  const ClassID: TGUID): IUnknown;
begin
  raise EOleSysError.Create('COM is not available', HResult($80040154), 0);
end;

function CreateOleObject(const ClassName: string): IDispatch;
begin
  raise EOleSysError.Create('COM is not available', HResult($80040154), 0);
end;

procedure OleCheck(Result: HResult);
begin
  if Result < 0 then
    raise EOleSysError.Create('OLE error', Result, 0);
end;

function ProgIDToClassID(const ProgID: string): TGUID;
begin
  raise EOleSysError.Create('COM is not available', HResult($800401F3), 0);
end;

function ClassIDToProgID(const ClassID: TGUID): string;
begin
  Result := '';
end;

end.
