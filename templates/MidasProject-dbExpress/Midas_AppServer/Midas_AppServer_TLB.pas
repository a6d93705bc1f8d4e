unit Midas_AppServer_TLB;

// ************************************************************************ //
// Pascal declarations of the Midas_AppServer type library.
// The Type Library Editor rewrites this unit from Midas_AppServer.ridl
// whenever the library is refreshed, so change the .ridl (or use the
// editor) rather than editing here by hand, and keep the GUIDs of both
// files identical.
// ************************************************************************ //

{$TYPEDADDRESS OFF} // Unit must be compiled without type-checked pointers.
{$WARN SYMBOL_PLATFORM OFF}
{$WRITEABLECONST ON}
{$VARPROPSETTER ON}

interface

uses
  Windows, ActiveX, Classes, Graphics, Midas, StdVCL, Variants;

// *********************************************************************//
// GUIDS declared in the type library:
//   Type libraries    : LIBID_xxxx
//   CoClasses         : CLASS_xxxx
//   Interfaces        : IID_xxxx
// *********************************************************************//
const
  // Type library major and minor versions
  Midas_AppServerMajorVersion = 1;
  Midas_AppServerMinorVersion = 0;

  LIBID_Midas_AppServer: TGUID = '{4BE9C1FB-289E-4D24-B2C8-A10E5EE4396A}';

  IID_IAppServer_RDM: TGUID = '{8C3FF414-1F76-4DF4-AC1E-632171A43419}';
  CLASS_AppServer_RDM: TGUID = '{DC9CB16B-EBD9-4EF5-BAD3-534930DF5EB1}';

type

// *********************************************************************//
// Forward declarations of types defined in the type library
// *********************************************************************//
  IAppServer_RDM = interface;
  IAppServer_RDMDisp = dispinterface;

// *********************************************************************//
// CoClasses and their default interfaces
// *********************************************************************//
  AppServer_RDM = IAppServer_RDM;

// *********************************************************************//
// Interface: IAppServer_RDM
// Flags:     (4416) Dual OleAutomation Dispatchable
// GUID:      {8C3FF414-1F76-4DF4-AC1E-632171A43419}
// *********************************************************************//
  IAppServer_RDM = interface(IAppServer)
    ['{8C3FF414-1F76-4DF4-AC1E-632171A43419}']
  end;

// *********************************************************************//
// DispIntf:  IAppServer_RDMDisp
// Flags:     (4416) Dual OleAutomation Dispatchable
// GUID:      {8C3FF414-1F76-4DF4-AC1E-632171A43419}
// *********************************************************************//
  IAppServer_RDMDisp = dispinterface
    ['{8C3FF414-1F76-4DF4-AC1E-632171A43419}']
    function AS_ApplyUpdates(const ProviderName: WideString; Delta: OleVariant;
                             MaxErrors: Integer; out ErrorCount: Integer;
                             var OwnerData: OleVariant): OleVariant; dispid 20000000;
    function AS_GetRecords(const ProviderName: WideString; Count: Integer;
                           out RecsOut: Integer; Options: Integer;
                           const CommandText: WideString; var Params: OleVariant;
                           var OwnerData: OleVariant): OleVariant; dispid 20000001;
    function AS_DataRequest(const ProviderName: WideString;
                            Data: OleVariant): OleVariant; dispid 20000002;
    function AS_GetProviderNames: OleVariant; dispid 20000003;
    function AS_GetParams(const ProviderName: WideString;
                          var OwnerData: OleVariant): OleVariant; dispid 20000004;
    function AS_RowRequest(const ProviderName: WideString; Row: OleVariant;
                           RequestType: Integer;
                           var OwnerData: OleVariant): OleVariant; dispid 20000005;
    procedure AS_Execute(const ProviderName: WideString;
                         const CommandText: WideString; var Params: OleVariant;
                         var OwnerData: OleVariant); dispid 20000006;
  end;

// *********************************************************************//
// CoAppServer_RDM creates an instance of the remote data module, on this
// computer (Create) or on another one through DCOM (CreateRemote).
// *********************************************************************//
  CoAppServer_RDM = class
    class function Create: IAppServer_RDM;
    class function CreateRemote(const MachineName: string): IAppServer_RDM;
  end;

implementation

uses
  ComObj;

class function CoAppServer_RDM.Create: IAppServer_RDM;
begin
  Result := CreateComObject(CLASS_AppServer_RDM) as IAppServer_RDM;
end;

class function CoAppServer_RDM.CreateRemote(const MachineName: string): IAppServer_RDM;
begin
  Result := CreateRemoteComObject(MachineName, CLASS_AppServer_RDM) as IAppServer_RDM;
end;

end.
