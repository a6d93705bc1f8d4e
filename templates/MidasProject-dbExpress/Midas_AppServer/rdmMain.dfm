object AppServer_RDM: TAppServer_RDM
  OldCreateOrder = False
  OnCreate = RemoteDataModuleCreate
  Height = 320
  Width = 480
  object DBConnection: TSQLConnection
    LoginPrompt = False
    Left = 40
    Top = 16
  end
end
