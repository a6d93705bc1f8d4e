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
  Object Type_TS : TTabSheet
    Caption = 'Type'
    object Type_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.Type_DS
      TabOrder = 0
    end
    object Type_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 600
      Height = 300
      DataSource = DM.Type_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'Type'
          Title.Caption = 'Type'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'End'
          Title.Caption = 'End'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
  end
  Object End_TS : TTabSheet
    Caption = 'End'
    object End_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.End_DS
      TabOrder = 0
    end
    object End_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 600
      Height = 300
      DataSource = DM.End_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'Begin'
          Title.Caption = 'Begin'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Object'
          Title.Caption = 'Object'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
  end
  Object Begin_TS : TTabSheet
    Caption = 'Begin'
    object Begin_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.Begin_DS
      TabOrder = 0
    end
    object Begin_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 600
      Height = 300
      DataSource = DM.Begin_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'Class'
          Title.Caption = 'Class'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
  end
  Object Object_TS : TTabSheet
    Caption = 'Object'
    object Object_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.Object_DS
      TabOrder = 0
    end
    object Object_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 600
      Height = 300
      DataSource = DM.Object_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'Record'
          Title.Caption = 'Record'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
  end
  Object _2019Sales_TS : TTabSheet
    Caption = '_2019Sales'
    object _2019Sales_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM._2019Sales_DS
      TabOrder = 0
    end
    object _2019Sales_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 600
      Height = 300
      DataSource = DM._2019Sales_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = '1stQuarter'
          Title.Caption = '1st Quarter'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = '2nd Quarter'
          Title.Caption = '2nd  Quarter'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
  end
  end
end
