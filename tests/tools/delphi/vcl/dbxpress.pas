{ Stand-in for Delphi 7's DBXpress unit: the transaction descriptor and the
  handful of types SqlExpr's public interface names. }
unit DBXpress;

{$mode delphi}

interface

type
  TTransIsolationLevel = (xilREADCOMMITTED, xilREPEATABLEREAD, xilDIRTYREAD,
    xilCUSTOM);

  TTransactionDesc = packed record
    TransactionID: LongWord;
    GlobalID: LongWord;
    IsolationLevel: TTransIsolationLevel;
    CustomIsolation: LongWord;
  end;

  SQLResult = Word;

implementation

end.
