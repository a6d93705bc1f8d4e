{ Stand-in for Delphi 7's StdVCL unit (the StdVCL type library).  Nothing
  the generated projects use is declared here; the unit exists because the
  type-library units name it. }
unit StdVCL;

{$mode delphi}

interface

uses
  Windows, ActiveX, Classes, Variants;

const
  LIBID_StdVCL: TGUID = '{EE05DFE0-5549-11D0-9EA9-0020AF3D82DA}';

type
  IStrings = interface(IDispatch)
    ['{EE05DFE2-5549-11D0-9EA9-0020AF3D82DA}']
  end;

implementation

end.
