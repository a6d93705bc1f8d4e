unit frmKinds;

interface

uses
  Classes, Controls, Forms, DB, DBCtrls, DBGrids, StdCtrls, Mask, dmClient;

type
  TKinds_Frm = class(TForm)
    Kinds_DBNvg: TDBNavigator;
    Kinds_DBGrid: TDBGrid;
    KeyID_Lab: TLabel;
    KeyID_DBEdt: TDBEdit;
    VarText_Lab: TLabel;
    VarText_DBEdt: TDBEdit;
    FixedVarText_Lab: TLabel;
    FixedVarText_DBEdt: TDBEdit;
    Small_Lab: TLabel;
    Small_DBEdt: TDBEdit;
    Tiny_Lab: TLabel;
    Tiny_DBEdt: TDBEdit;
    ErrorCode_Lab: TLabel;
    ErrorCode_DBEdt: TDBEdit;
    ErrorCode_DBLkpCbo: TDBLookupComboBox;
    UInt_Lab: TLabel;
    UInt_DBEdt: TDBEdit;
    SmallNumber_Lab: TLabel;
    SmallNumber_DBEdt: TDBEdit;
    UTiny_Lab: TLabel;
    UTiny_DBEdt: TDBEdit;
    USmall_Lab: TLabel;
    USmall_DBEdt: TDBEdit;
    Flag_Lab: TLabel;
    Flag_DBChk: TDBCheckBox;
    Single_Lab: TLabel;
    Single_DBEdt: TDBEdit;
    Double_Lab: TLabel;
    Double_DBEdt: TDBEdit;
    Money_Lab: TLabel;
    Money_DBEdt: TDBEdit;
    Dec_Lab: TLabel;
    Dec_DBEdt: TDBEdit;
    WideNumber_Lab: TLabel;
    WideNumber_DBEdt: TDBEdit;
    WideNumber_DBLkpCbo: TDBLookupComboBox;
    NegativeScale_Lab: TLabel;
    NegativeScale_DBEdt: TDBEdit;
    VarNum_Lab: TLabel;
    VarNum_DBEdt: TDBEdit;
    Day_Lab: TLabel;
    Day_DBEdt: TDBEdit;
    Clock_Lab: TLabel;
    Clock_DBEdt: TDBEdit;
    Moment_Lab: TLabel;
    Moment_DBEdt: TDBEdit;
    FileTime_Lab: TLabel;
    FileTime_DBEdt: TDBEdit;
    Stamp_Lab: TLabel;
    Stamp_DBEdt: TDBEdit;
    DBFileTime_Lab: TLabel;
    DBFileTime_DBEdt: TDBEdit;
    Bytes_Lab: TLabel;
    Bytes_DBEdt: TDBEdit;
    VarBytes_Lab: TLabel;
    VarBytes_DBEdt: TDBEdit;
    Picture_Lab: TLabel;
    Picture_DBEdt: TDBEdit;
    Memo_Lab: TLabel;
    Memo_DBEdt: TDBEdit;
    Memo_DBMemo: TDBMemo;
    WideMemo_Lab: TLabel;
    WideMemo_DBEdt: TDBEdit;
    WideMemo_DBMemo: TDBMemo;
    WideMemo_DBLkpCbo: TDBLookupComboBox;
    Code_Lab: TLabel;
    Code_DBEdt: TDBEdit;
    Code_DBLkpCbo: TDBLookupComboBox;
    BStr_Lab: TLabel;
    BStr_DBEdt: TDBEdit;
    WChar_Lab: TLabel;
    WChar_DBEdt: TDBEdit;
    WideText_Lab: TLabel;
    WideText_DBEdt: TDBEdit;
    WideText_DBLkpCbo: TDBLookupComboBox;
    Big_Lab: TLabel;
    Big_DBEdt: TDBEdit;
    UBig_Lab: TLabel;
    UBig_DBEdt: TDBEdit;
    Chapter_Lab: TLabel;
    Chapter_DBEdt: TDBEdit;
    Variant_Lab: TLabel;
    Variant_DBEdt: TDBEdit;
    PropVariant_Lab: TLabel;
    PropVariant_DBEdt: TDBEdit;
    Unknown_Lab: TLabel;
    Unknown_DBEdt: TDBEdit;
    Dispatch_Lab: TLabel;
    Dispatch_DBEdt: TDBEdit;
    Guid_Lab: TLabel;
    Guid_DBEdt: TDBEdit;
    Guid_DBLkpCbo: TDBLookupComboBox;
    COLUMN1_Lab: TLabel;
    COLUMN1_DBEdt: TDBEdit;
    UnitPrice_Lab: TLabel;
    UnitPrice_DBEdt: TDBEdit;
    BuyersRef_Lab: TLabel;
    BuyersRef_DBEdt: TDBEdit;
    BuyersRef_1_Lab: TLabel;
    BuyersRef_1_DBEdt: TDBEdit;
    WithEq_Lab: TLabel;
    WithEq_DBEdt: TDBEdit;
    kinds_Lab: TLabel;
    kinds_DBEdt: TDBEdit;

  end;

var
  Kinds_Frm: TKinds_Frm;

implementation

{$R *.dfm}

end.
