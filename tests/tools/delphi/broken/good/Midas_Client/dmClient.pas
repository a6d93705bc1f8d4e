unit dmClient;

interface

uses
  Windows, SysUtils, Classes, Dialogs, DB, DBClient, MConnect, SConnect,
  FMTBcd;

type
  TDM = class(TDataModule)
    DBConnectionBroker: TConnectionBroker;
    DCOMConnection: TDCOMConnection;
    SocketConnection: TSocketConnection;
    WebConnection: TWebConnection;
    Orders_CDS: TClientDataSet;
    Orders_DS: TDataSource;
    Orders_CDSOrderID: TAutoIncField;
    Orders_CDSClient: TStringField;
    Orders_CDSShipped: TDateField;
    Orders_CDSPaid: TBooleanField;
    Orders_CDSTotal: TBCDField;
    Orders_CDSBigTotal: TFMTBCDField;
    Orders_CDSNote: TMemoField;
    Orders_CDSQuantity: TSmallintField;
    Orders_CDSLines: TWordField;
    Orders_CDSBankRef: TLargeintField;
    Orders_CDSRate: TFloatField;
    Orders_CDSPrice: TCurrencyField;
    Orders_CDSOrderTime: TTimeField;
    Orders_CDSCreated: TDateTimeField;
    Orders_CDSGuid: TGuidField;
    Orders_CDSCode: TWideStringField;
    Orders_CDSStamp: TBytesField;
    Orders_CDSTag: TVarBytesField;
    Orders_CDSPicture: TBlobField;
    Orders_CDSExtra: TVariantField;
    Clients_CDS: TClientDataSet;
    Clients_DS: TDataSource;
    Clients_CDSCode: TStringField;
    Clients_CDSName: TStringField;
    procedure DataModuleCreate(Sender: TObject);
  private
    procedure ReconcileError(DataSet: TCustomClientDataSet;
      E: EReconcileError; UpdateKind: TUpdateKind;
      var Action: TReconcileAction);
  end;

var
  DM: TDM;

implementation

{$R *.dfm}

procedure TDM.DataModuleCreate(Sender: TObject);
begin
  SocketConnection.Port := 211;
  DBConnectionBroker.Connection := DCOMConnection;
  Orders_CDS.OnReconcileError := ReconcileError;
end;

procedure TDM.ReconcileError(DataSet: TCustomClientDataSet;
  E: EReconcileError; UpdateKind: TUpdateKind; var Action: TReconcileAction);
begin
  MessageDlg(E.Message, mtError, [mbOK], 0);
  Action := raCancel;
end;

end.
