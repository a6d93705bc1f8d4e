object TableGrids_Frm: TTableGrids_Frm
  Caption = 'All Tables'
  ClientHeight = 650
  ClientWidth = 850
  object PC: TPageControl
    Left = 24
    Top = 24
    Width = 800
    Height = 600
    TabOrder = 0
  Object Artikel_TS : TTabSheet
    Caption = 'Artikel'
    object Artikel_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.Artikel_DS
      TabOrder = 0
    end
    object Artikel_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 600
      Height = 300
      DataSource = DM.Artikel_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'ArtikelNr'
          Title.Caption = 'Artikel Nr'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Gr'#246#223'e'
          Title.Caption = 'Kleidergr'#246#223'e'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Preis '#8364
          Title.Caption = 'Preis '#8364
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
  end
  Object Donnes_TS : TTabSheet
    Caption = 'Donnes'
    object Donnes_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.Donnes_DS
      TabOrder = 0
    end
    object Donnes_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 600
      Height = 300
      DataSource = DM.Donnes_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'Caf'#233
          Title.Caption = 'Caf'#233'-Latin1'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
  end
  end
end
