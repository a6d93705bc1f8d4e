{ Stand-in for Delphi 7's DB unit: TDataSet, TDataSource, the TField
  classes, TParams, TFieldDefs and TIndexDefs.

  Each field class publishes what its Delphi 7 class publishes: TField the
  common properties, TStringField Size/FixedChar, TNumericField
  DisplayFormat/EditFormat, TIntegerField and TLargeintField MinValue/
  MaxValue, TFloatField and TBCDField Currency/Precision (TBCDField also
  Size), TBooleanField DisplayValues, TDateTimeField DisplayFormat, the binary
  and blob fields Size and BlobType.  TField.Size itself is public, so a
  'Size' line on, say, a TIntegerField is refused as it is by Delphi.

  Each field class has the DataType its Delphi 7 class gives itself, and
  a dataset can be opened against field definitions put into its FieldDefs
  (the stand-ins have no database to read them from): Open binds every
  persistent field to the definition of its name as Delphi's
  TDataSet.BindFields does, with Delphi's messages, and compares a little
  more than Delphi does (see BindFields). }
unit DB;

{$mode delphi}

interface

uses
  SysUtils, Classes, Variants;

type
  EDatabaseError = class(Exception);

  TFieldType = (ftUnknown, ftString, ftSmallint, ftInteger, ftWord,
    ftBoolean, ftFloat, ftCurrency, ftBCD, ftDate, ftTime, ftDateTime,
    ftBytes, ftVarBytes, ftAutoInc, ftBlob, ftMemo, ftGraphic, ftFmtMemo,
    ftParadoxOle, ftDBaseOle, ftTypedBinary, ftCursor, ftFixedChar,
    ftWideString, ftLargeint, ftADT, ftArray, ftReference, ftDataSet,
    ftOraBlob, ftOraClob, ftVariant, ftInterface, ftIDispatch, ftGuid,
    ftTimeStamp, ftFMTBcd);
  TBlobType = ftBlob..ftOraClob;
  TFieldKind = (fkData, fkCalculated, fkLookup, fkInternalCalc, fkAggregate);
  TProviderFlag = (pfInUpdate, pfInWhere, pfInKey, pfHidden);
  TProviderFlags = set of TProviderFlag;
  TDataSetState = (dsInactive, dsBrowse, dsEdit, dsInsert, dsSetKey,
    dsCalcFields, dsFilter, dsNewValue, dsOldValue, dsCurValue, dsBlockRead,
    dsInternalCalc, dsOpening);
  TUpdateKind = (ukModify, ukInsert, ukDelete);
  TUpdateStatus = (usUnmodified, usModified, usInserted, usDeleted);
  TUpdateStatusSet = set of TUpdateStatus;
  TUpdateAction = (uaFail, uaAbort, uaSkip, uaRetry, uaApplied);
  TUpdateMode = (upWhereAll, upWhereChanged, upWhereKeyOnly);
  TDataAction = (daFail, daAbort, daRetry);
  TFilterOption = (foCaseInsensitive, foNoPartialCompare);
  TFilterOptions = set of TFilterOption;
  TParamType = (ptUnknown, ptInput, ptOutput, ptInputOutput, ptResult);
  TIndexOption = (ixPrimary, ixUnique, ixDescending, ixCaseInsensitive,
    ixExpression, ixNonMaintained);
  TIndexOptions = set of TIndexOption;
  TFieldAttribute = (faHiddenCol, faReadonly, faRequired, faLink,
    faUnNamed, faFixed);
  TFieldAttributes = set of TFieldAttribute;
  TLocateOption = (loCaseInsensitive, loPartialKey);
  TLocateOptions = set of TLocateOption;
  TGetMode = (gmCurrent, gmNext, gmPrior);
  TGetResult = (grOK, grBOF, grEOF, grError);
  TDataEvent = (deFieldChange, deRecordChange, deDataSetChange,
    deDataSetScroll, deLayoutChange, deUpdateRecord, deUpdateState,
    deCheckBrowseMode, dePropertyChange, deFieldListChange, deFocusControl,
    deParentScroll, deConnectChange, deReconcileError, deDisabledStateChange);

const
  dsEditModes = [dsEdit, dsInsert, dsSetKey];

  { Delphi's names of the field types, as its messages print them. }
  FieldTypeNames: array[TFieldType] of string = (
    'Unknown', 'String', 'SmallInt', 'Integer', 'Word', 'Boolean', 'Float',
    'Currency', 'BCD', 'Date', 'Time', 'DateTime', 'Bytes', 'VarBytes',
    'AutoInc', 'Blob', 'Memo', 'Graphic', 'FmtMemo', 'ParadoxOle',
    'dBaseOle', 'TypedBinary', 'Cursor', 'FixedChar', 'WideString',
    'LargeInt', 'ADT', 'Array', 'Reference', 'DataSet', 'OraBlob', 'OraClob',
    'Variant', 'Interface', 'Dispatch', 'Guid', 'TimeStamp', 'FMTBcd');

type
  TDataSet = class;
  TField = class;
  TFields = class;
  TDataSetField = class;
  TDataSource = class;

  TDataSetNotifyEvent = procedure(DataSet: TDataSet) of object;
  TDataSetErrorEvent = procedure(DataSet: TDataSet; E: EDatabaseError;
    var Action: TDataAction) of object;
  TFilterRecordEvent = procedure(DataSet: TDataSet;
    var Accept: Boolean) of object;
  TFieldNotifyEvent = procedure(Sender: TField) of object;
  TFieldGetTextEvent = procedure(Sender: TField; var Text: string;
    DisplayText: Boolean) of object;
  TFieldSetTextEvent = procedure(Sender: TField; const Text: string) of object;
  TDataChangeEvent = procedure(Sender: TObject; Field: TField) of object;
  TLoginEvent = procedure(Sender: TObject; Username, Password: string) of object;
  TConnectChangeEvent = procedure(Sender: TObject; Connecting: Boolean) of object;
  { Not Delphi's: told of each field that Open cannot bind, so that a check
    can report them all where Delphi stops at the first. }
  TBindErrorEvent = procedure(DataSet: TDataSet; Field: TField;
    E: EDatabaseError; var Handled: Boolean) of object;

  { TCustomConnection }

  TCustomConnection = class(TComponent)
  private
    FConnected: Boolean;
    FLoginPrompt: Boolean;
    FAfterConnect: TNotifyEvent;
    FAfterDisconnect: TNotifyEvent;
    FBeforeConnect: TNotifyEvent;
    FBeforeDisconnect: TNotifyEvent;
    FOnLogin: TLoginEvent;
    FStreamedConnected: Boolean;
  protected
    function GetConnected: Boolean; virtual;
    procedure SetConnected(Value: Boolean); virtual;
    procedure Loaded; override;
    property LoginPrompt: Boolean read FLoginPrompt write FLoginPrompt default False;
    property OnLogin: TLoginEvent read FOnLogin write FOnLogin;
  public
    procedure Open; virtual;
    procedure Close;
    property Connected: Boolean read GetConnected write SetConnected default False;
    property AfterConnect: TNotifyEvent read FAfterConnect write FAfterConnect;
    property BeforeConnect: TNotifyEvent read FBeforeConnect write FBeforeConnect;
    property AfterDisconnect: TNotifyEvent read FAfterDisconnect write FAfterDisconnect;
    property BeforeDisconnect: TNotifyEvent read FBeforeDisconnect write FBeforeDisconnect;
  end;

  { Definitions }

  TNamedItem = class(TCollectionItem)
  private
    FName: string;
  protected
    function GetDisplayName: string; override;
  published
    property Name: string read FName write FName;
  end;

  TDefCollection = class(TOwnedCollection)
  private
    FDataSet: TDataSet;
  public
    constructor Create(ADataSet: TDataSet; AOwner: TPersistent;
      AClass: TCollectionItemClass);
    property DataSet: TDataSet read FDataSet;
  end;

  TFieldDef = class(TNamedItem)
  private
    FAttributes: TFieldAttributes;
    FDataType: TFieldType;
    FPrecision: Integer;
    FSize: Integer;
  published
    property Attributes: TFieldAttributes read FAttributes write FAttributes default [];
    property DataType: TFieldType read FDataType write FDataType default ftUnknown;
    property Precision: Integer read FPrecision write FPrecision default 0;
    property Size: Integer read FSize write FSize default 0;
  end;

  TFieldDefs = class(TDefCollection)
  private
    function GetFieldDef(Index: Integer): TFieldDef;
  public
    constructor Create(AOwner: TPersistent);
    function AddFieldDef: TFieldDef;
    procedure Add(const Name: string; DataType: TFieldType; Size: Integer = 0;
      Required: Boolean = False);
    function IndexOf(const Name: string): Integer;
    function Find(const Name: string): TFieldDef;
    property Items[Index: Integer]: TFieldDef read GetFieldDef; default;
  end;

  TIndexDef = class(TNamedItem)
  private
    FExpression: string;
    FFields: string;
    FCaseInsFields: string;
    FDescFields: string;
    FOptions: TIndexOptions;
    FSource: string;
    FGroupingLevel: Integer;
  published
    property CaseInsFields: string read FCaseInsFields write FCaseInsFields;
    property DescFields: string read FDescFields write FDescFields;
    property Expression: string read FExpression write FExpression;
    property Fields: string read FFields write FFields;
    property Options: TIndexOptions read FOptions write FOptions default [];
    property Source: string read FSource write FSource;
    property GroupingLevel: Integer read FGroupingLevel write FGroupingLevel default 0;
  end;

  TIndexDefs = class(TDefCollection)
  public
    constructor Create(ADataSet: TDataSet);
  end;

  TCheckConstraint = class(TCollectionItem)
  private
    FCustomConstraint: string;
    FErrorMessage: string;
    FFromDictionary: Boolean;
    FImportedConstraint: string;
  published
    property CustomConstraint: string read FCustomConstraint write FCustomConstraint;
    property ErrorMessage: string read FErrorMessage write FErrorMessage;
    property FromDictionary: Boolean read FFromDictionary write FFromDictionary;
    property ImportedConstraint: string read FImportedConstraint write FImportedConstraint;
  end;

  TCheckConstraints = class(TCollection)
  private
    FOwner: TPersistent;
  protected
    function GetOwner: TPersistent; override;
  public
    constructor Create(Owner: TPersistent);
  end;

  { Parameters }

  TParam = class(TCollectionItem)
  private
    FName: string;
    FDataType: TFieldType;
    FParamType: TParamType;
    FValue: Variant;
    function GetAsString: string;
    procedure SetAsString(const Value: string);
    function GetAsInteger: Longint;
    procedure SetAsInteger(Value: Longint);
  protected
    function GetDisplayName: string; override;
  public
    property AsString: string read GetAsString write SetAsString;
    property AsInteger: Longint read GetAsInteger write SetAsInteger;
  published
    property DataType: TFieldType read FDataType write FDataType;
    property Name: string read FName write FName;
    property ParamType: TParamType read FParamType write FParamType;
    property Value: Variant read FValue write FValue;
  end;

  TParams = class(TCollection)
  private
    FOwner: TPersistent;
    function GetItem(Index: Integer): TParam;
  protected
    function GetOwner: TPersistent; override;
  public
    constructor Create; overload;
    constructor Create(Owner: TPersistent); overload;
    function ParamByName(const Value: string): TParam;
    function FindParam(const Value: string): TParam;
    property Items[Index: Integer]: TParam read GetItem; default;
  end;

  { Fields }

  TField = class(TComponent)
  private
    FDataSet: TDataSet;
    FAlignment: TAlignment;
    FConstraintErrorMessage: string;
    FCustomConstraint: string;
    FDataType: TFieldType;
    FDefaultExpression: string;
    FDisplayLabel: string;
    FDisplayWidth: Integer;
    FEditMask: string;
    FFieldKind: TFieldKind;
    FFieldName: string;
    FHasConstraints: Boolean;
    FImportedConstraint: string;
    FKeyFields: string;
    FLookupCache: Boolean;
    FLookupDataSet: TDataSet;
    FLookupKeyFields: string;
    FLookupResultField: string;
    FOrigin: string;
    FProviderFlags: TProviderFlags;
    FReadOnly: Boolean;
    FRequired: Boolean;
    FSize: Integer;
    FTransliterate: Boolean;
    FVisible: Boolean;
    FValue: Variant;
    FOnChange: TFieldNotifyEvent;
    FOnGetText: TFieldGetTextEvent;
    FOnSetText: TFieldSetTextEvent;
    FOnValidate: TFieldNotifyEvent;
    function GetDisplayLabel: string;
    function GetIndex: Integer;
    procedure SetIndex(Value: Integer);
    procedure SetDataSet(ADataSet: TDataSet);
    procedure SetLookupDataSet(Value: TDataSet);
    function GetAsString: string;
    procedure SetAsString(const Value: string);
    function GetAsInteger: Longint;
    procedure SetAsInteger(Value: Longint);
    function GetIsNull: Boolean;
  protected
    procedure Notification(AComponent: TComponent; Operation: TOperation); override;
    procedure SetParentComponent(AParent: TComponent); override;
    procedure SetDataType(Value: TFieldType);
    property Transliterate: Boolean read FTransliterate write FTransliterate;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    function GetParentComponent: TComponent; override;
    function HasParent: Boolean; override;
    procedure Clear; virtual;
    procedure FocusControl;
    property AsString: string read GetAsString write SetAsString;
    property AsInteger: Longint read GetAsInteger write SetAsInteger;
    property AsVariant: Variant read FValue write FValue;
    property DataSet: TDataSet read FDataSet write SetDataSet;
    property DataType: TFieldType read FDataType;
    property DisplayName: string read GetDisplayLabel;
    property EditMask: string read FEditMask write FEditMask;
    property IsNull: Boolean read GetIsNull;
    property Size: Integer read FSize write FSize;
    property Value: Variant read FValue write FValue;
  published
    property Alignment: TAlignment read FAlignment write FAlignment default taLeftJustify;
    property CustomConstraint: string read FCustomConstraint write FCustomConstraint;
    property ConstraintErrorMessage: string read FConstraintErrorMessage write FConstraintErrorMessage;
    property DefaultExpression: string read FDefaultExpression write FDefaultExpression;
    property DisplayLabel: string read GetDisplayLabel write FDisplayLabel;
    property DisplayWidth: Integer read FDisplayWidth write FDisplayWidth;
    property FieldKind: TFieldKind read FFieldKind write FFieldKind default fkData;
    property FieldName: string read FFieldName write FFieldName;
    property HasConstraints: Boolean read FHasConstraints;
    property Index: Integer read GetIndex write SetIndex stored False;
    property ImportedConstraint: string read FImportedConstraint write FImportedConstraint;
    property LookupDataSet: TDataSet read FLookupDataSet write SetLookupDataSet;
    property LookupKeyFields: string read FLookupKeyFields write FLookupKeyFields;
    property LookupResultField: string read FLookupResultField write FLookupResultField;
    property KeyFields: string read FKeyFields write FKeyFields;
    property LookupCache: Boolean read FLookupCache write FLookupCache default False;
    property Origin: string read FOrigin write FOrigin;
    property ProviderFlags: TProviderFlags read FProviderFlags write FProviderFlags default [pfInWhere, pfInUpdate];
    property ReadOnly: Boolean read FReadOnly write FReadOnly default False;
    property Required: Boolean read FRequired write FRequired default False;
    property Visible: Boolean read FVisible write FVisible default True;
    property OnChange: TFieldNotifyEvent read FOnChange write FOnChange;
    property OnGetText: TFieldGetTextEvent read FOnGetText write FOnGetText;
    property OnSetText: TFieldSetTextEvent read FOnSetText write FOnSetText;
    property OnValidate: TFieldNotifyEvent read FOnValidate write FOnValidate;
  end;

  TFieldClass = class of TField;

  TStringField = class(TField)
  private
    FFixedChar: Boolean;
  public
    constructor Create(AOwner: TComponent); override;
  published
    property EditMask;
    property FixedChar: Boolean read FFixedChar write FFixedChar default False;
    property Size default 20;
    property Transliterate default True;
  end;

  TWideStringField = class(TStringField)
  public
    constructor Create(AOwner: TComponent); override;
  end;

  TGuidField = class(TStringField)
  public
    constructor Create(AOwner: TComponent); override;
  end;

  TNumericField = class(TField)
  private
    FDisplayFormat: string;
    FEditFormat: string;
  public
    constructor Create(AOwner: TComponent); override;
  published
    property Alignment default taRightJustify;
    property DisplayFormat: string read FDisplayFormat write FDisplayFormat;
    property EditFormat: string read FEditFormat write FEditFormat;
  end;

  TIntegerField = class(TNumericField)
  private
    FMaxValue: Longint;
    FMinValue: Longint;
  public
    constructor Create(AOwner: TComponent); override;
  published
    property MaxValue: Longint read FMaxValue write FMaxValue default 0;
    property MinValue: Longint read FMinValue write FMinValue default 0;
  end;

  TSmallintField = class(TIntegerField)
  public
    constructor Create(AOwner: TComponent); override;
  end;

  TWordField = class(TIntegerField)
  public
    constructor Create(AOwner: TComponent); override;
  end;

  TAutoIncField = class(TIntegerField)
  public
    constructor Create(AOwner: TComponent); override;
  end;

  TLargeintField = class(TNumericField)
  private
    FMaxValue: Int64;
    FMinValue: Int64;
  public
    constructor Create(AOwner: TComponent); override;
  published
    property MaxValue: Int64 read FMaxValue write FMaxValue default 0;
    property MinValue: Int64 read FMinValue write FMinValue default 0;
  end;

  TFloatField = class(TNumericField)
  private
    FCurrency: Boolean;
    FMaxValue: Double;
    FMinValue: Double;
    FPrecision: Integer;
  public
    constructor Create(AOwner: TComponent); override;
  published
    property Currency: Boolean read FCurrency write FCurrency default False;
    property MaxValue: Double read FMaxValue write FMaxValue;
    property MinValue: Double read FMinValue write FMinValue;
    property Precision: Integer read FPrecision write FPrecision default 15;
  end;

  TCurrencyField = class(TFloatField)
  public
    constructor Create(AOwner: TComponent); override;
  published
    property Currency default True;
  end;

  TBCDField = class(TNumericField)
  private
    FCurrency: Boolean;
    FMaxValue: Currency;
    FMinValue: Currency;
    FPrecision: Integer;
  public
    constructor Create(AOwner: TComponent); override;
  published
    property Currency: Boolean read FCurrency write FCurrency default False;
    property MaxValue: Currency read FMaxValue write FMaxValue;
    property MinValue: Currency read FMinValue write FMinValue;
    property Precision: Integer read FPrecision write FPrecision default 0;
    property Size default 4;
  end;

  TBooleanField = class(TField)
  private
    FDisplayValues: string;
  public
    constructor Create(AOwner: TComponent); override;
  published
    property DisplayValues: string read FDisplayValues write FDisplayValues;
  end;

  TDateTimeField = class(TField)
  private
    FDisplayFormat: string;
  public
    constructor Create(AOwner: TComponent); override;
  published
    property DisplayFormat: string read FDisplayFormat write FDisplayFormat;
    property EditMask;
  end;

  TDateField = class(TDateTimeField)
  public
    constructor Create(AOwner: TComponent); override;
  end;

  TTimeField = class(TDateTimeField)
  public
    constructor Create(AOwner: TComponent); override;
  end;

  TBinaryField = class(TField)
  public
    constructor Create(AOwner: TComponent); override;
  published
    property Size default 16;
  end;

  TBytesField = class(TBinaryField)
  public
    constructor Create(AOwner: TComponent); override;
  end;

  TVarBytesField = class(TBytesField)
  public
    constructor Create(AOwner: TComponent); override;
  end;

  TBlobField = class(TField)
  private
    function GetBlobType: TBlobType;
    procedure SetBlobType(Value: TBlobType);
  public
    constructor Create(AOwner: TComponent); override;
  published
    { As in Delphi, the blob type is the field's DataType. }
    property BlobType: TBlobType read GetBlobType write SetBlobType;
    property Size default 0;
  end;

  TMemoField = class(TBlobField)
  public
    constructor Create(AOwner: TComponent); override;
  published
    property Transliterate default True;
  end;

  TGraphicField = class(TBlobField)
  public
    constructor Create(AOwner: TComponent); override;
  end;

  TVariantField = class(TField)
  public
    constructor Create(AOwner: TComponent); override;
  end;

  TInterfaceField = class(TField)
  public
    constructor Create(AOwner: TComponent); override;
  end;

  TIDispatchField = class(TInterfaceField)
  public
    constructor Create(AOwner: TComponent); override;
  end;

  TObjectField = class(TField)
  end;

  TADTField = class(TObjectField)
  public
    constructor Create(AOwner: TComponent); override;
  end;

  TArrayField = class(TObjectField)
  public
    constructor Create(AOwner: TComponent); override;
  end;

  TDataSetField = class(TObjectField)
  private
    FIncludeObjectField: Boolean;
  public
    constructor Create(AOwner: TComponent); override;
  published
    property IncludeObjectField: Boolean read FIncludeObjectField write FIncludeObjectField default False;
  end;

  TFields = class(TObject)
  private
    FList: TList;
    FDataSet: TDataSet;
    function GetCount: Integer;
    function GetField(Index: Integer): TField;
  public
    constructor Create(ADataSet: TDataSet);
    destructor Destroy; override;
    procedure Add(Field: TField);
    procedure Remove(Field: TField);
    function IndexOf(Field: TField): Integer;
    function FindField(const FieldName: string): TField;
    function FieldByName(const FieldName: string): TField;
    property Count: Integer read GetCount;
    property DataSet: TDataSet read FDataSet;
    property Fields[Index: Integer]: TField read GetField; default;
  end;

  { TDataSet }

  TDataSet = class(TComponent)
  private
    FFields: TFields;
    FFieldDefs: TFieldDefs;
    FActive: Boolean;
    FStreamedActive: Boolean;
    FAutoCalcFields: Boolean;
    FDataSetField: TDataSetField;
    FFilter: string;
    FFiltered: Boolean;
    FFilterOptions: TFilterOptions;
    FObjectView: Boolean;
    FState: TDataSetState;
    FBeforeOpen: TDataSetNotifyEvent;
    FAfterOpen: TDataSetNotifyEvent;
    FBeforeClose: TDataSetNotifyEvent;
    FAfterClose: TDataSetNotifyEvent;
    FBeforeInsert: TDataSetNotifyEvent;
    FAfterInsert: TDataSetNotifyEvent;
    FBeforeEdit: TDataSetNotifyEvent;
    FAfterEdit: TDataSetNotifyEvent;
    FBeforePost: TDataSetNotifyEvent;
    FAfterPost: TDataSetNotifyEvent;
    FBeforeCancel: TDataSetNotifyEvent;
    FAfterCancel: TDataSetNotifyEvent;
    FBeforeDelete: TDataSetNotifyEvent;
    FAfterDelete: TDataSetNotifyEvent;
    FBeforeScroll: TDataSetNotifyEvent;
    FAfterScroll: TDataSetNotifyEvent;
    FBeforeRefresh: TDataSetNotifyEvent;
    FAfterRefresh: TDataSetNotifyEvent;
    FOnCalcFields: TDataSetNotifyEvent;
    FOnDeleteError: TDataSetErrorEvent;
    FOnEditError: TDataSetErrorEvent;
    FOnFilterRecord: TFilterRecordEvent;
    FOnNewRecord: TDataSetNotifyEvent;
    FOnPostError: TDataSetErrorEvent;
    FOnBindError: TBindErrorEvent;
    procedure SetFieldDefs(Value: TFieldDefs);
    procedure SetDataSetField(Value: TDataSetField);
    function GetFieldCount: Integer;
  protected
    function GetActive: Boolean; virtual;
    procedure SetActive(Value: Boolean); virtual;
    procedure Loaded; override;
    procedure Notification(AComponent: TComponent; Operation: TOperation); override;
    procedure GetChildren(Proc: TGetChildProc; Root: TComponent); override;
    procedure SetState(Value: TDataSetState);
    procedure BindFields(Binding: Boolean); virtual;
    procedure BindError(Field: TField; const Message: string;
      const Args: array of const);
    property AutoCalcFields: Boolean read FAutoCalcFields write FAutoCalcFields default True;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    procedure Open;
    procedure Close;
    procedure Post; virtual;
    procedure Cancel; virtual;
    procedure Edit;
    procedure Insert;
    procedure Append;
    procedure Delete;
    procedure First;
    procedure Last;
    procedure Next;
    procedure Prior;
    procedure Refresh;
    function IsEmpty: Boolean;
    function FieldByName(const FieldName: string): TField;
    function FindField(const FieldName: string): TField;
    function UpdateStatus: TUpdateStatus; virtual;
    function Bof: Boolean;
    function Eof: Boolean;
    property FieldCount: Integer read GetFieldCount;
    property Fields: TFields read FFields;
    property State: TDataSetState read FState;
    { Public in TDataSet, as in the VCL; the concrete datasets publish
      them. }
    property Active: Boolean read GetActive write SetActive default False;
    property AfterPost: TDataSetNotifyEvent read FAfterPost write FAfterPost;
    property AfterDelete: TDataSetNotifyEvent read FAfterDelete write FAfterDelete;
    property DataSetField: TDataSetField read FDataSetField write SetDataSetField;
    property FieldDefs: TFieldDefs read FFieldDefs write SetFieldDefs;
    property OnBindError: TBindErrorEvent read FOnBindError write FOnBindError;
    property Filter: string read FFilter write FFilter;
    property Filtered: Boolean read FFiltered write FFiltered default False;
    property FilterOptions: TFilterOptions read FFilterOptions write FFilterOptions default [];
    property ObjectView: Boolean read FObjectView write FObjectView;
    property BeforeOpen: TDataSetNotifyEvent read FBeforeOpen write FBeforeOpen;
    property AfterOpen: TDataSetNotifyEvent read FAfterOpen write FAfterOpen;
    property BeforeClose: TDataSetNotifyEvent read FBeforeClose write FBeforeClose;
    property AfterClose: TDataSetNotifyEvent read FAfterClose write FAfterClose;
    property BeforeInsert: TDataSetNotifyEvent read FBeforeInsert write FBeforeInsert;
    property AfterInsert: TDataSetNotifyEvent read FAfterInsert write FAfterInsert;
    property BeforeEdit: TDataSetNotifyEvent read FBeforeEdit write FBeforeEdit;
    property AfterEdit: TDataSetNotifyEvent read FAfterEdit write FAfterEdit;
    property BeforePost: TDataSetNotifyEvent read FBeforePost write FBeforePost;
    property BeforeCancel: TDataSetNotifyEvent read FBeforeCancel write FBeforeCancel;
    property AfterCancel: TDataSetNotifyEvent read FAfterCancel write FAfterCancel;
    property BeforeDelete: TDataSetNotifyEvent read FBeforeDelete write FBeforeDelete;
    property BeforeScroll: TDataSetNotifyEvent read FBeforeScroll write FBeforeScroll;
    property AfterScroll: TDataSetNotifyEvent read FAfterScroll write FAfterScroll;
    property BeforeRefresh: TDataSetNotifyEvent read FBeforeRefresh write FBeforeRefresh;
    property AfterRefresh: TDataSetNotifyEvent read FAfterRefresh write FAfterRefresh;
    property OnCalcFields: TDataSetNotifyEvent read FOnCalcFields write FOnCalcFields;
    property OnDeleteError: TDataSetErrorEvent read FOnDeleteError write FOnDeleteError;
    property OnEditError: TDataSetErrorEvent read FOnEditError write FOnEditError;
    property OnFilterRecord: TFilterRecordEvent read FOnFilterRecord write FOnFilterRecord;
    property OnNewRecord: TDataSetNotifyEvent read FOnNewRecord write FOnNewRecord;
    property OnPostError: TDataSetErrorEvent read FOnPostError write FOnPostError;
  end;

  TDataSetClass = class of TDataSet;

  { TDataSource }

  TDataSource = class(TComponent)
  private
    FDataSet: TDataSet;
    FAutoEdit: Boolean;
    FEnabled: Boolean;
    FOnStateChange: TNotifyEvent;
    FOnDataChange: TDataChangeEvent;
    FOnUpdateData: TNotifyEvent;
    procedure SetDataSet(ADataSet: TDataSet);
    function GetState: TDataSetState;
  protected
    procedure Notification(AComponent: TComponent; Operation: TOperation); override;
  public
    constructor Create(AOwner: TComponent); override;
    procedure Edit;
    property State: TDataSetState read GetState;
  published
    property AutoEdit: Boolean read FAutoEdit write FAutoEdit default True;
    property DataSet: TDataSet read FDataSet write SetDataSet;
    property Enabled: Boolean read FEnabled write FEnabled default True;
    property OnStateChange: TNotifyEvent read FOnStateChange write FOnStateChange;
    property OnDataChange: TDataChangeEvent read FOnDataChange write FOnDataChange;
    property OnUpdateData: TNotifyEvent read FOnUpdateData write FOnUpdateData;
  end;

procedure DatabaseError(const Message: string; Component: TComponent = nil);
procedure DatabaseErrorFmt(const Message: string; const Args: array of const;
  Component: TComponent = nil);

implementation

uses
  TypInfo;

resourcestring
  { Delphi's own texts (its DBConsts unit). }
  SFieldNotFound = 'Field ''%s'' not found';
  SFieldTypeMismatch = 'Type mismatch for field ''%s'', expecting: %s actual: %s';
  SFieldSizeMismatch = 'Size mismatch for field ''%s'', expecting: %d actual: %d';
  { Ours: Delphi has no such check (see CheckFieldCompatibility). }
  SFieldPrecisionMismatch = 'Precision mismatch for field ''%s'', expecting: %d actual: %d';

procedure DatabaseError(const Message: string; Component: TComponent);
begin
  if (Component <> nil) and (Component.Name <> '') then
    raise EDatabaseError.Create(Component.Name + ': ' + Message)
  else
    raise EDatabaseError.Create(Message);
end;

procedure DatabaseErrorFmt(const Message: string; const Args: array of const;
  Component: TComponent);
begin
  DatabaseError(Format(Message, Args), Component);
end;

{ TCustomConnection }

function TCustomConnection.GetConnected: Boolean;
begin
  Result := FConnected;
end;

procedure TCustomConnection.SetConnected(Value: Boolean);
begin
  if csReading in ComponentState then
    FStreamedConnected := Value
  else
    FConnected := Value;
end;

procedure TCustomConnection.Loaded;
begin
  inherited Loaded;
  { A connection is not opened while a form file is only being checked. }
end;

procedure TCustomConnection.Open;
begin
  Connected := True;
end;

procedure TCustomConnection.Close;
begin
  Connected := False;
end;

{ TNamedItem }

function TNamedItem.GetDisplayName: string;
begin
  Result := FName;
end;

{ TDefCollection }

constructor TDefCollection.Create(ADataSet: TDataSet; AOwner: TPersistent;
  AClass: TCollectionItemClass);
begin
  inherited Create(AOwner, AClass);
  FDataSet := ADataSet;
end;

constructor TFieldDefs.Create(AOwner: TPersistent);
begin
  if AOwner is TDataSet then
    inherited Create(TDataSet(AOwner), AOwner, TFieldDef)
  else
    inherited Create(nil, AOwner, TFieldDef);
end;

function TFieldDefs.GetFieldDef(Index: Integer): TFieldDef;
begin
  Result := TFieldDef(inherited Items[Index]);
end;

function TFieldDefs.AddFieldDef: TFieldDef;
begin
  Result := TFieldDef(inherited Add);
end;

procedure TFieldDefs.Add(const Name: string; DataType: TFieldType;
  Size: Integer; Required: Boolean);
var
  Def: TFieldDef;
begin
  Def := AddFieldDef;
  Def.Name := Name;
  Def.DataType := DataType;
  Def.Size := Size;
  if Required then
    Def.Attributes := [faRequired];
end;

{ By name, ignoring letter case, as Delphi's TDefCollection.IndexOf. }
function TFieldDefs.IndexOf(const Name: string): Integer;
begin
  for Result := 0 to Count - 1 do
    if AnsiCompareText(Items[Result].Name, Name) = 0 then
      Exit;
  Result := -1;
end;

function TFieldDefs.Find(const Name: string): TFieldDef;
var
  I: Integer;
begin
  I := IndexOf(Name);
  if I < 0 then
    DatabaseErrorFmt(SFieldNotFound, [Name], DataSet);
  Result := Items[I];
end;

constructor TIndexDefs.Create(ADataSet: TDataSet);
begin
  inherited Create(ADataSet, ADataSet, TIndexDef);
end;

{ TCheckConstraints }

constructor TCheckConstraints.Create(Owner: TPersistent);
begin
  inherited Create(TCheckConstraint);
  FOwner := Owner;
end;

function TCheckConstraints.GetOwner: TPersistent;
begin
  Result := FOwner;
end;

{ TParam }

function TParam.GetDisplayName: string;
begin
  Result := FName;
end;

function TParam.GetAsString: string;
begin
  if VarIsNull(FValue) or VarIsEmpty(FValue) then
    Result := ''
  else
    Result := FValue;
end;

procedure TParam.SetAsString(const Value: string);
begin
  FValue := Value;
end;

function TParam.GetAsInteger: Longint;
begin
  Result := FValue;
end;

procedure TParam.SetAsInteger(Value: Longint);
begin
  FValue := Value;
end;

{ TParams }

constructor TParams.Create;
begin
  inherited Create(TParam);
end;

constructor TParams.Create(Owner: TPersistent);
begin
  inherited Create(TParam);
  FOwner := Owner;
end;

function TParams.GetOwner: TPersistent;
begin
  Result := FOwner;
end;

function TParams.GetItem(Index: Integer): TParam;
begin
  Result := TParam(inherited Items[Index]);
end;

function TParams.FindParam(const Value: string): TParam;
var
  I: Integer;
begin
  for I := 0 to Count - 1 do
  begin
    Result := Items[I];
    if SameText(Result.Name, Value) then
      Exit;
  end;
  Result := nil;
end;

function TParams.ParamByName(const Value: string): TParam;
begin
  Result := FindParam(Value);
  if Result = nil then
    DatabaseErrorFmt('Parameter ''%s'' not found', [Value]);
end;

{ TField }

constructor TField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FVisible := True;
  FProviderFlags := [pfInWhere, pfInUpdate];
  FValue := Null;
end;

destructor TField.Destroy;
begin
  SetDataSet(nil);
  inherited Destroy;
end;

procedure TField.Notification(AComponent: TComponent; Operation: TOperation);
begin
  inherited Notification(AComponent, Operation);
  if Operation = opRemove then
  begin
    if AComponent = FLookupDataSet then
      FLookupDataSet := nil;
    if AComponent = FDataSet then
      FDataSet := nil;
  end;
end;

function TField.GetParentComponent: TComponent;
begin
  Result := FDataSet;
end;

function TField.HasParent: Boolean;
begin
  Result := True;
end;

procedure TField.SetParentComponent(AParent: TComponent);
begin
  if not (csLoading in ComponentState) or (AParent is TDataSet) then
    if AParent is TDataSet then
      SetDataSet(TDataSet(AParent));
end;

procedure TField.SetDataType(Value: TFieldType);
begin
  FDataType := Value;
end;

procedure TField.SetDataSet(ADataSet: TDataSet);
begin
  if ADataSet = FDataSet then
    Exit;
  if FDataSet <> nil then
    FDataSet.FFields.Remove(Self);
  FDataSet := nil;
  if ADataSet <> nil then
  begin
    ADataSet.FFields.Add(Self);
    ADataSet.FreeNotification(Self);
  end;
  FDataSet := ADataSet;
end;

procedure TField.SetLookupDataSet(Value: TDataSet);
begin
  FLookupDataSet := Value;
  if Value <> nil then
    Value.FreeNotification(Self);
end;

function TField.GetDisplayLabel: string;
begin
  if FDisplayLabel <> '' then
    Result := FDisplayLabel
  else
    Result := FFieldName;
end;

function TField.GetIndex: Integer;
begin
  if FDataSet <> nil then
    Result := FDataSet.FFields.IndexOf(Self)
  else
    Result := -1;
end;

procedure TField.SetIndex(Value: Integer);
begin
end;

function TField.GetAsString: string;
begin
  if VarIsNull(FValue) or VarIsEmpty(FValue) then
    Result := ''
  else
    Result := FValue;
end;

procedure TField.SetAsString(const Value: string);
begin
  FValue := Value;
end;

function TField.GetAsInteger: Longint;
begin
  Result := FValue;
end;

procedure TField.SetAsInteger(Value: Longint);
begin
  FValue := Value;
end;

function TField.GetIsNull: Boolean;
begin
  Result := VarIsNull(FValue) or VarIsEmpty(FValue);
end;

procedure TField.Clear;
begin
  FValue := Null;
end;

procedure TField.FocusControl;
begin
end;

constructor TStringField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  SetDataType(ftString);
  Size := 20;
  Transliterate := True;
end;

constructor TWideStringField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  SetDataType(ftWideString);
end;

constructor TGuidField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  SetDataType(ftGuid);
  Size := 38;
end;

constructor TNumericField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  Alignment := taRightJustify;
end;

constructor TIntegerField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  SetDataType(ftInteger);
end;

constructor TSmallintField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  SetDataType(ftSmallint);
end;

constructor TWordField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  SetDataType(ftWord);
end;

constructor TAutoIncField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  SetDataType(ftAutoInc);
end;

constructor TLargeintField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  SetDataType(ftLargeint);
end;

constructor TFloatField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  SetDataType(ftFloat);
  FPrecision := 15;
end;

constructor TCurrencyField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  SetDataType(ftCurrency);
  Currency := True;
end;

constructor TBCDField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  SetDataType(ftBCD);
  Size := 4;
end;

constructor TBooleanField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  SetDataType(ftBoolean);
end;

constructor TDateTimeField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  SetDataType(ftDateTime);
end;

constructor TDateField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  SetDataType(ftDate);
end;

constructor TTimeField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  SetDataType(ftTime);
end;

constructor TBinaryField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  Size := 16;
end;

constructor TBytesField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  SetDataType(ftBytes);
end;

constructor TVarBytesField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  SetDataType(ftVarBytes);
end;

constructor TBlobField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  SetDataType(ftBlob);
end;

function TBlobField.GetBlobType: TBlobType;
begin
  Result := TBlobType(DataType);
end;

procedure TBlobField.SetBlobType(Value: TBlobType);
begin
  SetDataType(Value);
end;

constructor TMemoField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  BlobType := ftMemo;
  Transliterate := True;
end;

constructor TGraphicField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  BlobType := ftGraphic;
end;

constructor TVariantField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  SetDataType(ftVariant);
end;

constructor TInterfaceField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  SetDataType(ftInterface);
end;

constructor TIDispatchField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  SetDataType(ftIDispatch);
end;

constructor TADTField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  SetDataType(ftADT);
end;

constructor TArrayField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  SetDataType(ftArray);
end;

constructor TDataSetField.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  SetDataType(ftDataSet);
end;

{ TFields }

constructor TFields.Create(ADataSet: TDataSet);
begin
  inherited Create;
  FList := TList.Create;
  FDataSet := ADataSet;
end;

destructor TFields.Destroy;
begin
  FList.Free;
  inherited Destroy;
end;

procedure TFields.Add(Field: TField);
begin
  FList.Add(Field);
end;

procedure TFields.Remove(Field: TField);
begin
  FList.Remove(Field);
end;

function TFields.IndexOf(Field: TField): Integer;
begin
  Result := FList.IndexOf(Field);
end;

function TFields.GetCount: Integer;
begin
  Result := FList.Count;
end;

function TFields.GetField(Index: Integer): TField;
begin
  Result := TField(FList[Index]);
end;

function TFields.FindField(const FieldName: string): TField;
var
  I: Integer;
begin
  for I := 0 to FList.Count - 1 do
  begin
    Result := TField(FList[I]);
    if SameText(Result.FieldName, FieldName) then
      Exit;
  end;
  Result := nil;
end;

function TFields.FieldByName(const FieldName: string): TField;
begin
  Result := FindField(FieldName);
  if Result = nil then
    DatabaseErrorFmt(SFieldNotFound, [FieldName], FDataSet);
end;

{ TDataSet }

constructor TDataSet.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FFields := TFields.Create(Self);
  FFieldDefs := TFieldDefs.Create(Self);
  FAutoCalcFields := True;
end;

destructor TDataSet.Destroy;
var
  I: Integer;
begin
  for I := FFields.Count - 1 downto 0 do
    FFields[I].FDataSet := nil;
  FFields.Free;
  FFieldDefs.Free;
  inherited Destroy;
end;

function TDataSet.GetActive: Boolean;
begin
  Result := FActive;
end;

procedure TDataSet.SetActive(Value: Boolean);
begin
  if csReading in ComponentState then
    FStreamedActive := Value
  else
  begin
    { Opening binds the persistent fields to the field definitions, which
      raises on the first one that does not fit; the dataset stays closed
      then, as in Delphi. }
    if Value and not FActive then
      BindFields(True);
    FActive := Value;
    if Value then
      FState := dsBrowse
    else
      FState := dsInactive;
  end;
end;

procedure TDataSet.Loaded;
begin
  inherited Loaded;
  { A dataset is not opened while a form file is only being checked. }
end;

{ Delphi compares base types: the field types in one group below share
  their storage, and Delphi binds a field of one to a definition of another
  (a TStringField to a fixed-char column, a TAutoIncField or TSmallintField
  to an integer column, a TCurrencyField to a float column, a TDateField to
  a date-time column, any blob field to any blob column). WideString has
  no group of its own (Unknown), so it binds to WideString only. Delphi
  checks the size of BCD, byte and reference fields only. }
const
  BaseFieldTypes: array[TFieldType] of TFieldType = (
    ftUnknown, ftString, ftInteger, ftInteger, ftInteger, ftBoolean, ftFloat,
    ftFloat, ftBCD, ftDateTime, ftDateTime, ftDateTime, ftBytes, ftVarBytes,
    ftInteger, ftBlob, ftBlob, ftBlob, ftBlob, ftBlob, ftBlob, ftBlob, ftUnknown,
    ftString, ftUnknown, ftLargeint, ftADT, ftArray, ftReference, ftDataSet,
    ftBlob, ftBlob, ftVariant, ftInterface, ftInterface, ftString, ftTimeStamp,
    ftFMTBcd);
  CheckTypeSizes = [ftBytes, ftVarBytes, ftBCD, ftReference];
  { Beyond Delphi: the scale of an FMTBcd field, and the length of a string
    field. Delphi opens the dataset with either wrong, but the field rounds
    or cuts every value to its own Size, and the provider hands that Size
    on to the client. }
  CheckMoreSizes = [ftFMTBcd, ftString, ftFixedChar, ftWideString, ftGuid];

{ Raises what Delphi raises for the field, unless OnBindError takes it. }
procedure TDataSet.BindError(Field: TField; const Message: string;
  const Args: array of const);
var
  Handled: Boolean;
begin
  try
    DatabaseErrorFmt(Message, Args, Self);
  except
    on E: EDatabaseError do
    begin
      Handled := False;
      if Assigned(FOnBindError) then
        FOnBindError(Self, Field, E, Handled);
      if not Handled then
        raise;
    end;
  end;
end;

{ What Delphi's TDataSet.BindFields checks of the persistent fields when
  the dataset opens: each data field needs a field definition of its name
  (letter case ignored) whose type is compatible with the field's
  (CheckFieldCompatibility), and of the same size where the type has one.
  Calculated and lookup fields have no definition. Delphi stops at the
  first fault; with OnBindError the next checks and fields follow. }
procedure TDataSet.BindFields(Binding: Boolean);
var
  I, DefIndex, Precision: Integer;
  Field: TField;
  Def: TFieldDef;
  PrecisionInfo: PPropInfo;
begin
  if not Binding then
    Exit;
  for I := 0 to FFields.Count - 1 do
  begin
    Field := FFields[I];
    if Field.FieldKind in [fkCalculated, fkLookup, fkAggregate] then
      Continue;
    DefIndex := FieldDefs.IndexOf(Field.FieldName);
    if DefIndex < 0 then
    begin
      BindError(Field, SFieldNotFound, [Field.DisplayName]);
      Continue;
    end;
    Def := FieldDefs[DefIndex];
    if BaseFieldTypes[Field.DataType] <> BaseFieldTypes[Def.DataType] then
    begin
      BindError(Field, SFieldTypeMismatch, [Field.DisplayName,
        FieldTypeNames[Field.DataType], FieldTypeNames[Def.DataType]]);
      Continue;
    end;
    if (Field.DataType in CheckTypeSizes + CheckMoreSizes) and
      (Field.Size <> Def.Size) then
      BindError(Field, SFieldSizeMismatch, [Field.DisplayName, Field.Size,
        Def.Size]);
    { Delphi itself does not compare the Precision of a BCD or FMTBcd
      field with the column's, but a wrong one rounds the values: the
      provider passes the field's Precision on to the client, which keeps
      at most that many digits. }
    if Field.DataType in [ftBCD, ftFMTBcd] then
    begin
      PrecisionInfo := GetPropInfo(Field, 'Precision');
      if PrecisionInfo <> nil then
      begin
        Precision := GetOrdProp(Field, PrecisionInfo);
        if Precision <> Def.Precision then
          BindError(Field, SFieldPrecisionMismatch, [Field.DisplayName,
            Precision, Def.Precision]);
      end;
    end;
  end;
end;

procedure TDataSet.Notification(AComponent: TComponent; Operation: TOperation);
begin
  inherited Notification(AComponent, Operation);
  if (Operation = opRemove) and (AComponent = FDataSetField) then
    FDataSetField := nil;
end;

procedure TDataSet.GetChildren(Proc: TGetChildProc; Root: TComponent);
var
  I: Integer;
begin
  for I := 0 to FFields.Count - 1 do
    if FFields[I].Owner = Root then
      Proc(FFields[I]);
end;

procedure TDataSet.SetState(Value: TDataSetState);
begin
  FState := Value;
end;

procedure TDataSet.SetFieldDefs(Value: TFieldDefs);
begin
  FFieldDefs.Assign(Value);
end;

procedure TDataSet.SetDataSetField(Value: TDataSetField);
begin
  FDataSetField := Value;
  if Value <> nil then
    Value.FreeNotification(Self);
end;

function TDataSet.GetFieldCount: Integer;
begin
  Result := FFields.Count;
end;

procedure TDataSet.Open;
begin
  Active := True;
end;

procedure TDataSet.Close;
begin
  Active := False;
end;

procedure TDataSet.Post;
begin
  if FState in dsEditModes then
  begin
    if Assigned(FBeforePost) then
      FBeforePost(Self);
    FState := dsBrowse;
    if Assigned(FAfterPost) then
      FAfterPost(Self);
  end;
end;

procedure TDataSet.Cancel;
begin
  if FState in dsEditModes then
    FState := dsBrowse;
end;

procedure TDataSet.Edit;
begin
  FState := dsEdit;
end;

procedure TDataSet.Insert;
begin
  FState := dsInsert;
end;

procedure TDataSet.Append;
begin
  FState := dsInsert;
end;

procedure TDataSet.Delete;
begin
  if Assigned(FAfterDelete) then
    FAfterDelete(Self);
end;

procedure TDataSet.First;
begin
end;

procedure TDataSet.Last;
begin
end;

procedure TDataSet.Next;
begin
end;

procedure TDataSet.Prior;
begin
end;

procedure TDataSet.Refresh;
begin
end;

function TDataSet.IsEmpty: Boolean;
begin
  Result := True;
end;

function TDataSet.FieldByName(const FieldName: string): TField;
begin
  Result := FFields.FieldByName(FieldName);
end;

function TDataSet.FindField(const FieldName: string): TField;
begin
  Result := FFields.FindField(FieldName);
end;

function TDataSet.UpdateStatus: TUpdateStatus;
begin
  Result := usUnmodified;
end;

function TDataSet.Bof: Boolean;
begin
  Result := True;
end;

function TDataSet.Eof: Boolean;
begin
  Result := True;
end;

{ TDataSource }

constructor TDataSource.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FAutoEdit := True;
  FEnabled := True;
end;

procedure TDataSource.Notification(AComponent: TComponent; Operation: TOperation);
begin
  inherited Notification(AComponent, Operation);
  if (Operation = opRemove) and (AComponent = FDataSet) then
    FDataSet := nil;
end;

procedure TDataSource.SetDataSet(ADataSet: TDataSet);
begin
  FDataSet := ADataSet;
  if ADataSet <> nil then
    ADataSet.FreeNotification(Self);
end;

function TDataSource.GetState: TDataSetState;
begin
  if FDataSet <> nil then
    Result := FDataSet.State
  else
    Result := dsInactive;
end;

procedure TDataSource.Edit;
begin
  if FAutoEdit and (FDataSet <> nil) then
    FDataSet.Edit;
end;

end.
