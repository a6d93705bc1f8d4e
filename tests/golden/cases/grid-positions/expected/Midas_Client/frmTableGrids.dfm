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
  Object T01_TS : TTabSheet
    Caption = 'T01'
    object T01_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.T01_DS
      TabOrder = 0
    end
    object T01_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 600
      Height = 300
      DataSource = DM.T01_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'ID'
          Title.Caption = 'ID'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
  end
  Object T02_TS : TTabSheet
    Caption = 'T02'
    object T02_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.T02_DS
      TabOrder = 0
    end
    object T02_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 600
      Height = 300
      DataSource = DM.T02_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'ID'
          Title.Caption = 'ID'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
  end
  Object T03_TS : TTabSheet
    Caption = 'T03'
    object T03_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.T03_DS
      TabOrder = 0
    end
    object T03_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 600
      Height = 300
      DataSource = DM.T03_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'ID'
          Title.Caption = 'ID'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
  end
  Object T04_TS : TTabSheet
    Caption = 'T04'
    object T04_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.T04_DS
      TabOrder = 0
    end
    object T04_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 600
      Height = 300
      DataSource = DM.T04_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'ID'
          Title.Caption = 'ID'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
  end
  Object T05_TS : TTabSheet
    Caption = 'T05'
    object T05_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.T05_DS
      TabOrder = 0
    end
    object T05_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 600
      Height = 300
      DataSource = DM.T05_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'ID'
          Title.Caption = 'ID'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
  end
  Object T06_TS : TTabSheet
    Caption = 'T06'
    object T06_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.T06_DS
      TabOrder = 0
    end
    object T06_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 600
      Height = 300
      DataSource = DM.T06_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'ID'
          Title.Caption = 'ID'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
  end
  Object T07_TS : TTabSheet
    Caption = 'T07'
    object T07_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.T07_DS
      TabOrder = 0
    end
    object T07_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 600
      Height = 300
      DataSource = DM.T07_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'ID'
          Title.Caption = 'ID'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
  end
  Object T08_TS : TTabSheet
    Caption = 'T08'
    object T08_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.T08_DS
      TabOrder = 0
    end
    object T08_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 600
      Height = 300
      DataSource = DM.T08_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'ID'
          Title.Caption = 'ID'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
  end
  Object T09_TS : TTabSheet
    Caption = 'T09'
    object T09_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.T09_DS
      TabOrder = 0
    end
    object T09_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 600
      Height = 300
      DataSource = DM.T09_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'ID'
          Title.Caption = 'ID'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
  end
  Object T10_TS : TTabSheet
    Caption = 'T10'
    object T10_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.T10_DS
      TabOrder = 0
    end
    object T10_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 600
      Height = 300
      DataSource = DM.T10_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'ID'
          Title.Caption = 'ID'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
  end
  Object T11_TS : TTabSheet
    Caption = 'T11'
    object T11_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.T11_DS
      TabOrder = 0
    end
    object T11_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 600
      Height = 300
      DataSource = DM.T11_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'ID'
          Title.Caption = 'ID'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
  end
  end
end
