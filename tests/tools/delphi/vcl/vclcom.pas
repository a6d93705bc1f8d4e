{ Stand-in for Delphi 7's VCLCom unit: TComponentFactory, which makes a
  remote data module class creatable through COM. }
unit VCLCom;

{$mode delphi}

interface

uses
  Windows, ActiveX, SysUtils, Classes, ComObj;

type
  TComponentFactory = class(TAutoObjectFactory)
  private
    FComponentClass: TComponentClass;
  public
    constructor Create(ComServer: TComServerObject;
      ComponentClass: TComponentClass; const ClassID: TGUID;
      Instancing: TClassInstancing; ThreadingModel: TThreadingModel = tmSingle);
    property ComponentClass: TComponentClass read FComponentClass;
  end;

implementation

constructor TComponentFactory.Create(ComServer: TComServerObject;
  ComponentClass: TComponentClass; const ClassID: TGUID;
  Instancing: TClassInstancing; ThreadingModel: TThreadingModel);
begin
  inherited Create(ComServer, ComponentClass, ClassID,
    ComponentClass.ClassName, '', Instancing, ThreadingModel);
  FComponentClass := ComponentClass;
end;

end.
