object Employees_Frm: TEmployees_Frm
  Caption = 'Employees'
  ClientHeight = 500
  ClientWidth = 960
    object Employees_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.Employees_DS
      TabOrder = 0
    end
    object Employees_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 240
      Height = 160
      DataSource = DM.Employees_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'EmployeeID'
          Title.Caption = 'Employee ID'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'LastName'
          Title.Caption = 'Family name | as in the passport'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'ReportsTo'
          Title.Caption = 'Employee''s manager'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'RegionID'
          Title.Caption = 'Region ID'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
    object EmployeeID_Lab: TLabel
      Left = 364
      Top = 44
      Width = 137
      Height = 16
      Caption = 'Employee ID'
      Alignment = taRightJustify
      AutoSize = False
    end
    object EmployeeID_DBEdt: TDBEdit
      Left = 508
      Top = 40
      Width = 120
      Height = 23
      DataField = 'EmployeeID'
      DataSource = DM.Employees_DS
      TabOrder = 0
    end
    object LastName_Lab: TLabel
      Left = 112
      Top = 74
      Width = 389
      Height = 16
      Caption = 'Family name | as in the passport'
      Alignment = taRightJustify
      AutoSize = False
    end
    object LastName_DBEdt: TDBEdit
      Left = 508
      Top = 70
      Width = 120
      Height = 23
      DataField = 'LastName'
      DataSource = DM.Employees_DS
      TabOrder = 0
    end
    object ReportsTo_Lab: TLabel
      Left = 280
      Top = 104
      Width = 221
      Height = 16
      Caption = 'Employee''s manager'
      Alignment = taRightJustify
      AutoSize = False
    end
    object ReportsTo_DBEdt: TDBEdit
      Left = 508
      Top = 100
      Width = 120
      Height = 23
      DataField = 'ReportsTo'
      DataSource = DM.Employees_DS
      TabOrder = 0
    end
    object RegionID_Lab: TLabel
      Left = 388
      Top = 134
      Width = 113
      Height = 16
      Caption = 'Region ID'
      Alignment = taRightJustify
      AutoSize = False
    end
    object RegionID_DBEdt: TDBEdit
      Left = 508
      Top = 130
      Width = 120
      Height = 23
      DataField = 'RegionID'
      DataSource = DM.Employees_DS
      TabOrder = 0
    end
    object RegionID_DBLkpCbo: TDBLookupComboBox
      Left = 684
      Top = 130
      Width = 120
      Height = 23
      DataField = 'RegionID'
      DataSource = DM.Employees_DS
      TabOrder = 0
    end
end
