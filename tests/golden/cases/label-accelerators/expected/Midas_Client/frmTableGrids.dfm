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
  Object Parts_TS : TTabSheet
    Caption = 'Parts'
    object Parts_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.Parts_DS
      TabOrder = 0
    end
    object Parts_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 600
      Height = 300
      DataSource = DM.Parts_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'PartNo'
          Title.Caption = 'Part No'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'SizeBytes'
          Title.Caption = 'Size&Bytes'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'ClientName'
          Title.Caption = 'Customer name'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Notes'
          Title.Caption = 'Notes & remarks'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Maker'
          Title.Caption = 'Made'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
  end
  end
end
