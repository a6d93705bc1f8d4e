object DM: TDM
  OldCreateOrder = False
  OnCreate = DataModuleCreate
  Height = 360
  Width = 520
  object DBConnectionBroker: TConnectionBroker
    Connection = DCOMConnection
    Left = 48
    Top = 16
  end
  object DCOMConnection: TDCOMConnection
    ServerName = 'Midas_AppServer.AppServer_RDM'
    Left = 168
    Top = 16
  end
  object SocketConnection: TSocketConnection
    ServerName = 'Midas_AppServer.AppServer_RDM'
    Host = 'localhost'
    Left = 288
    Top = 16
  end
  object WebConnection: TWebConnection
    ServerName = 'Midas_AppServer.AppServer_RDM'
    URL = 'http://localhost/scripts/httpsrvr.dll'
    Left = 408
    Top = 16
  end
end
