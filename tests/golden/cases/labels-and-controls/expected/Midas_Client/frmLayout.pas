unit frmLayout;

interface

uses
  Classes, Controls, Forms, DB, DBCtrls, DBGrids, StdCtrls, Mask, dmClient;

type
  TLayout_Frm = class(TForm)
    Layout_DBNvg: TDBNavigator;
    Layout_DBGrid: TDBGrid;
    CodeID_Lab: TLabel;
    CodeID_DBEdt: TDBEdit;
    ClientID_Lab: TLabel;
    ClientID_DBEdt: TDBEdit;
    ClientID_DBLkpCbo: TDBLookupComboBox;
    Short_Lab: TLabel;
    Short_DBEdt: TDBEdit;
    Notes50_Lab: TLabel;
    Notes50_DBEdt: TDBEdit;
    Notes50_DBMemo: TDBMemo;
    Remark_Lab: TLabel;
    Remark_DBEdt: TDBEdit;
    Remark_DBMemo: TDBMemo;
    PostalCode_Lab: TLabel;
    PostalCode_DBEdt: TDBEdit;
    PostalCode_DBMemo: TDBMemo;
    PostalCode_DBLkpCbo: TDBLookupComboBox;
    Active_Lab: TLabel;
    Active_DBChk: TDBCheckBox;
    Valid_Lab: TLabel;
    Valid_DBChk: TDBCheckBox;
    Valid_DBLkpCbo: TDBLookupComboBox;
    Width_Lab: TLabel;
    Width_DBEdt: TDBEdit;
    Width_DBLkpCbo: TDBLookupComboBox;
    ____Lab: TLabel;
    ____DBEdt: TDBEdit;
    LongCaption_Lab: TLabel;
    LongCaption_DBEdt: TDBEdit;
    lowercase_Lab: TLabel;
    lowercase_DBEdt: TDBEdit;
    _2ndLine_Lab: TLabel;
    _2ndLine_DBEdt: TDBEdit;

  end;

var
  Layout_Frm: TLayout_Frm;

implementation

{$R *.dfm}

end.
