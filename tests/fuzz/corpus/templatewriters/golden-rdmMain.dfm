object RDM: TRDM
  Height = 600
  Width = 700
  object DBConnection: TADOConnection
    LoginPrompt = False
    Left = 40
    Top = 16
  end
end
