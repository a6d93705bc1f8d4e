unit dmClient;

interface

uses
  Windows, SysUtils, Classes, IniFiles, Dialogs, DB, DBClient, MConnect,
  SConnect,
  FMTBcd; // persistent fields of wide decimal columns are TFMTBCDField

type
  TDM = class(TDataModule)
    DBConnectionBroker: TConnectionBroker;
    DCOMConnection: TDCOMConnection;
    SocketConnection: TSocketConnection;
    WebConnection: TWebConnection;
    Orders_CDS: TClientDataSet;
    Orders_DS: TDataSource;
    Orders_CDSOrderID : TAutoIncField;
    Orders_CDSClientID : TIntegerField;
    Orders_CDSEmployeeID : TIntegerField;
    Orders_CDSOrderDate : TDateField;
    Orders_CDSOrderTime : TTimeField;
    Orders_CDSRequiredDate : TDateField;
    Orders_CDSFreight : TFMTBCDField;
    Orders_CDSShipName : TStringField;
    Orders_CDSShipAddress : TStringField;
    Orders_CDSShipCity : TStringField;
    Orders_CDSShipPostalCode : TStringField;
    Orders_CDSOrderGuid : TGuidField;
    Orders_CDSCreatedAt : TDateTimeField;
    Orders_CDSComments : TMemoField;
    Sales_Client_CDS: TClientDataSet;
    Sales_Client_DS: TDataSource;
    Sales_Client_CDSClientID : TAutoIncField;
    Sales_Client_CDSClientName : TStringField;
    Sales_Client_CDSContactName : TWideStringField;
    Sales_Client_CDSAddress : TStringField;
    Sales_Client_CDSCity : TStringField;
    Sales_Client_CDSPostalCode : TStringField;
    Sales_Client_CDSCountryCode : TWideStringField;
    Sales_Client_CDSPhone : TStringField;
    Sales_Client_CDSRegionID : TIntegerField;
    Sales_Client_CDSCreditLimit : TBCDField;
    Sales_Client_CDSIsActive : TBooleanField;
    Sales_Client_CDSClientSince : TDateField;
    Sales_Client_CDSNotes : TMemoField;
    Sales_Region_CDS: TClientDataSet;
    Sales_Region_DS: TDataSource;
    Sales_Region_CDSRegionID : TAutoIncField;
    Sales_Region_CDSRegionCode : TStringField;
    Sales_Region_CDSRegionName : TStringField;
    Sales_Region_CDSDescription : TMemoField;

    procedure DataModuleCreate(Sender: TObject);
  private
    FConnectionInfo: string;
    procedure LoadConnectionSettings(const IniFileName: string);
    procedure WireClientDataSets;
    procedure ClientDataSetApply(DataSet: TDataSet);
    procedure ClientDataSetReconcileError(DataSet: TCustomClientDataSet;
      E: EReconcileError; UpdateKind: TUpdateKind;
      var Action: TReconcileAction);
  public
    procedure OpenAllTables;
    procedure PostPendingEdits;
    // Human-readable description of the transport chosen in Config.ini
    property ConnectionInfo: string read FConnectionInfo;
  end;

var
  DM: TDM;

implementation

{$R *.dfm}

const
  ConfigFileName = 'Config.ini';
  ConfigSection = 'Connection';

procedure TDM.DataModuleCreate(Sender: TObject);
begin
  // Config.ini sits beside the executable, so one build can be pointed at
  // another server or transport without recompiling.
  LoadConnectionSettings(ExtractFilePath(ParamStr(0)) + ConfigFileName);
  WireClientDataSets;
end;

procedure TDM.LoadConnectionSettings(const IniFileName: string);
var
  Ini: TIniFile;
  Kind, GUID: string;
  Conn: TDispatchConnection;

  // An empty entry counts as missing, so a blanked-out key never wipes the
  // value set at design time.
  function Setting(const Key, Default: string): string;
  begin
    Result := Trim(Ini.ReadString(ConfigSection, Key, ''));
    if Result = '' then
      Result := Default;
  end;

begin
  // TIniFile returns the defaults when the file is missing, so without a
  // Config.ini the client simply uses DCOM on this computer.
  Ini := TIniFile.Create(IniFileName);
  try
    Kind := UpperCase(Setting('Kind', 'DCOM'));
    if Kind = 'SOCKET' then
    begin
      SocketConnection.Host := Setting('Host', SocketConnection.Host);
      SocketConnection.Port := Ini.ReadInteger(ConfigSection, 'Port', SocketConnection.Port);
      Conn := SocketConnection;
      FConnectionInfo := Format('Socket, %s:%d', [SocketConnection.Host, SocketConnection.Port]);
    end
    else if Kind = 'WEB' then
    begin
      WebConnection.URL := Setting('URL', WebConnection.URL);
      Conn := WebConnection;
      FConnectionInfo := 'Web, ' + WebConnection.URL;
    end
    else
    begin
      // Anything unrecognised falls back to DCOM, the one transport that
      // needs no extra service running on the server machine.
      DCOMConnection.ComputerName := Trim(Ini.ReadString(ConfigSection, 'ComputerName', ''));
      Conn := DCOMConnection;
      if DCOMConnection.ComputerName = '' then
        FConnectionInfo := 'DCOM, this computer'
      else
        FConnectionInfo := 'DCOM, ' + DCOMConnection.ComputerName;
    end;

    Conn.ServerName := Setting('ServerName', Conn.ServerName);
    // With a GUID the server need not be registered on this computer, which
    // DCOM to another machine otherwise requires for the ProgID lookup.
    GUID := Setting('ServerGUID', '');
    if GUID <> '' then
      Conn.ServerGUID := GUID;

    // Every client dataset goes through the broker, so this one assignment
    // switches all of them to the chosen transport.
    DBConnectionBroker.Connection := Conn;
  finally
    Ini.Free;
  end;
end;

procedure TDM.WireClientDataSets;
var
  I: Integer;
  CDS: TClientDataSet;
begin
  // The generated client datasets carry no event handlers of their own.
  // Hooking them up here, rather than per dataset in the designer, keeps
  // every table saving its changes the same way; a handler assigned in the
  // designer is left alone.
  for I := 0 to ComponentCount - 1 do
    if Components[I] is TClientDataSet then
    begin
      CDS := TClientDataSet(Components[I]);
      if not Assigned(CDS.AfterPost) then
        CDS.AfterPost := ClientDataSetApply;
      if not Assigned(CDS.AfterDelete) then
        CDS.AfterDelete := ClientDataSetApply;
      if not Assigned(CDS.OnReconcileError) then
        CDS.OnReconcileError := ClientDataSetReconcileError;
    end;
end;

procedure TDM.ClientDataSetApply(DataSet: TDataSet);
var
  CDS: TCustomClientDataSet;
  WasInsert: Boolean;
begin
  // A client dataset only caches edits; nothing reaches the database until
  // ApplyUpdates. Sending each change at once keeps the behaviour users
  // expect from a desktop database and keeps conflicts small.
  CDS := DataSet as TCustomClientDataSet;
  WasInsert := CDS.UpdateStatus = usInserted;
  if (CDS.ApplyUpdates(0) = 0) and WasInsert then
    // The server may fill in values the client cannot know, AutoNumber keys
    // above all. Without them a later edit of the new record would not find
    // it on the server, so read the table again.
    CDS.Refresh;
end;

procedure TDM.ClientDataSetReconcileError(DataSet: TCustomClientDataSet;
  E: EReconcileError; UpdateKind: TUpdateKind; var Action: TReconcileAction);
begin
  // Undo the rejected change so the screen shows what the database holds
  // instead of an edit that never arrived there.
  MessageDlg(Format('The server rejected a change to %s:'#13#10#13#10'%s',
    [StringReplace(DataSet.Name, '_CDS', '', []), E.Message]), mtError, [mbOK], 0);
  Action := raCancel;
end;

procedure TDM.OpenAllTables;
var
  I: Integer;
begin
  for I := 0 to ComponentCount - 1 do
    if Components[I] is TClientDataSet then
      TClientDataSet(Components[I]).Open;
end;

procedure TDM.PostPendingEdits;
var
  I: Integer;
  DataSet: TDataSet;
begin
  // Posting triggers ClientDataSetApply, so this also saves to the server.
  // A validation error raises here and keeps the calling form open.
  for I := 0 to ComponentCount - 1 do
    if Components[I] is TClientDataSet then
    begin
      DataSet := TDataSet(Components[I]);
      if DataSet.State in dsEditModes then
        DataSet.Post;
    end;
end;

end.
