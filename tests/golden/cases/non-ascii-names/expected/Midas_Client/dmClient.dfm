object DM: TDM
  Height = 600
  Width = 700
  object DBConnectionBroker: TConnectionBroker
    Left = 40
    Top = 16
  end
  object Artikel_CDS: TClientDataSet
    Aggregates = <>
    ConnectionBroker = DBConnectionBroker
    Params = <>
    ProviderName = 'Artikel_P'
    Left = 100
    Top = 160
    Object Artikel_CDSArtikelNr: TAutoIncField
      DisplayLabel = 'ArtikelNr'
      FieldName = 'ArtikelNr'
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
    end
    Object Artikel_CDSGre: TWideStringField
      DisplayLabel = 'Kleidergr'#246#223'e'
      FieldName = 'Gr'#246#223'e'
      Size = 10
    end
    Object Artikel_CDSPreis: TBCDField
      DisplayLabel = 'Preis '#8364
      FieldName = 'Preis '#8364
      DisplayFormat = '#.00,'
      Precision = 19
      Size = 4
    end
  end
  object Artikel_DS: TDataSource
    DataSet = Artikel_CDS
    Left = 100
    Top = 210
  end
  object Donnes_CDS: TClientDataSet
    Aggregates = <>
    ConnectionBroker = DBConnectionBroker
    Params = <>
    ProviderName = 'Donnes_P'
    Left = 200
    Top = 160
    Object Donnes_CDSCaf: TWideStringField
      DisplayLabel = 'Caf'#233'-Latin1'
      FieldName = 'Caf'#233
      ProviderFlags = [pfInUpdate, pfInWhere, pfInKey]
      Size = 20
    end
  end
  object Donnes_DS: TDataSource
    DataSet = Donnes_CDS
    Left = 200
    Top = 210
  end
end
