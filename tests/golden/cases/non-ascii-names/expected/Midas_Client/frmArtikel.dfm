object Artikel_Frm: TArtikel_Frm
  Caption = 'Artikel'
  ClientHeight = 500
  ClientWidth = 960
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
      Width = 240
      Height = 160
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
    object ArtikelNr_Lab: TLabel
      Left = 376
      Top = 44
      Width = 125
      Height = 16
      Caption = 'Artikel Nr'
      Alignment = taRightJustify
      AutoSize = False
    end
    object ArtikelNr_DBEdt: TDBEdit
      Left = 508
      Top = 40
      Width = 120
      Height = 23
      DataField = 'ArtikelNr'
      DataSource = DM.Artikel_DS
      TabOrder = 0
    end
    object Gre_Lab: TLabel
      Left = 328
      Top = 74
      Width = 173
      Height = 16
      Caption = 'Kleidergr'#246#223'e'
      Alignment = taRightJustify
      AutoSize = False
    end
    object Gre_DBEdt: TDBEdit
      Left = 508
      Top = 70
      Width = 120
      Height = 23
      DataField = 'Gr'#246#223'e'
      DataSource = DM.Artikel_DS
      TabOrder = 0
    end
    object Preis_Lab: TLabel
      Left = 388
      Top = 104
      Width = 113
      Height = 16
      Caption = 'Preis '#8364
      Alignment = taRightJustify
      AutoSize = False
    end
    object Preis_DBEdt: TDBEdit
      Left = 508
      Top = 100
      Width = 120
      Height = 23
      DataField = 'Preis '#8364
      DataSource = DM.Artikel_DS
      TabOrder = 0
    end
end
