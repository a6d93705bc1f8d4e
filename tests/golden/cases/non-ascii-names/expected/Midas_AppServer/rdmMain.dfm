object RDM: TRDM
  Height = 600
  Width = 700
  object DBConnection: TADOConnection
    LoginPrompt = False
    Left = 40
    Top = 16
  end
  Object Artikel_D: TADOQuery
    Connection = DBConnection
    SQL.Strings = ('select * from Artikel')
    Parameters = <>
    Left = 100
    Top = 160
    Object Artikel_DArtikelNr: TAutoIncField
      DisplayLabel = 'ArtikelNr'
      FieldName = 'ArtikelNr'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
    Object Artikel_DGre: TWideStringField
      DisplayLabel = 'Kleidergr'#246#223'e'
      FieldName = 'Gr'#246#223'e'
      Size = 10
    end
    Object Artikel_DPreis: TBCDField
      DisplayLabel = 'Preis '#8364
      FieldName = 'Preis '#8364
      Precision = 19
      Size = 4
    end
  end
  object Artikel_P: TDataSetProvider
    DataSet = Artikel_D
    Left = 100
    Top = 210
  end
  Object Donnes_D: TADOQuery
    Connection = DBConnection
    SQL.Strings = ('select * from [Donn'#233'es]')
    Parameters = <>
    Left = 200
    Top = 160
    Object Donnes_DCaf: TWideStringField
      DisplayLabel = 'Caf'#233'-Latin1'
      FieldName = 'Caf'#233
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
      Size = 20
    end
  end
  object Donnes_P: TDataSetProvider
    DataSet = Donnes_D
    Left = 200
    Top = 210
  end
end
