object Donnes_Frm: TDonnes_Frm
  Caption = 'Donnes'
  ClientHeight = 500
  ClientWidth = 960
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
      Width = 240
      Height = 160
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
    object Caf_Lab: TLabel
      Left = 364
      Top = 44
      Width = 137
      Height = 16
      Caption = 'Caf'#233'-Latin1'
      Alignment = taRightJustify
      AutoSize = False
    end
    object Caf_DBEdt: TDBEdit
      Left = 508
      Top = 40
      Width = 120
      Height = 23
      DataField = 'Caf'#233
      DataSource = DM.Donnes_DS
      TabOrder = 0
    end
end
