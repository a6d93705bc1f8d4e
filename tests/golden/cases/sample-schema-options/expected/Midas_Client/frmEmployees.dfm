object Employees_Frm: TEmployees_Frm
  Left = 260
  Top = 160
  Width = 960
  Height = 600
  AutoScroll = True
  Caption = 'Employees'
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Tahoma'
  Font.Style = []
  OldCreateOrder = False
  Position = poDefaultPosOnly
  OnCloseQuery = FormCloseQuery
  PixelsPerInch = 96
  TextHeight = 13
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
          Title.Caption = 'Employee'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'LastName'
          Title.Caption = 'Surname'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'FirstName'
          Title.Caption = 'Forename'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Title'
          Title.Caption = 'Title'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'BirthDate'
          Title.Caption = 'Birth Date'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'HireDate'
          Title.Caption = 'Hired'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'ReportsToID'
          Title.Caption = 'Reports To ID'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Extension'
          Title.Caption = 'Extension'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Photo'
          Title.Caption = 'Photo'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Remarks'
          Title.Caption = 'Remarks'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
    object EmployeeID_Lab: TLabel
      Left = 400
      Top = 44
      Width = 101
      Height = 16
      Caption = 'Employee'
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
      Left = 412
      Top = 74
      Width = 89
      Height = 16
      Caption = 'Surname'
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
    object FirstName_Lab: TLabel
      Left = 400
      Top = 104
      Width = 101
      Height = 16
      Caption = 'Forename'
      Alignment = taRightJustify
      AutoSize = False
    end
    object FirstName_DBEdt: TDBEdit
      Left = 508
      Top = 100
      Width = 120
      Height = 23
      DataField = 'FirstName'
      DataSource = DM.Employees_DS
      TabOrder = 0
    end
    object Title_Lab: TLabel
      Left = 436
      Top = 134
      Width = 65
      Height = 16
      Caption = 'Title'
      Alignment = taRightJustify
      AutoSize = False
    end
    object Title_DBEdt: TDBEdit
      Left = 508
      Top = 130
      Width = 120
      Height = 23
      DataField = 'Title'
      DataSource = DM.Employees_DS
      TabOrder = 0
    end
    object Title_DBMemo: TDBMemo
      Left = 684
      Top = 130
      Width = 120
      Height = 23
      DataField = 'Title'
      DataSource = DM.Employees_DS
      ScrollBars = ssVertical
      TabOrder = 0
    end
    object BirthDate_Lab: TLabel
      Left = 376
      Top = 164
      Width = 125
      Height = 16
      Caption = 'Birth Date'
      Alignment = taRightJustify
      AutoSize = False
    end
    object BirthDate_DBEdt: TDBEdit
      Left = 508
      Top = 160
      Width = 120
      Height = 23
      DataField = 'BirthDate'
      DataSource = DM.Employees_DS
      TabOrder = 0
    end
    object HireDate_Lab: TLabel
      Left = 436
      Top = 194
      Width = 65
      Height = 16
      Caption = 'Hired'
      Alignment = taRightJustify
      AutoSize = False
    end
    object HireDate_DBEdt: TDBEdit
      Left = 508
      Top = 190
      Width = 120
      Height = 23
      DataField = 'HireDate'
      DataSource = DM.Employees_DS
      TabOrder = 0
    end
    object ReportsToID_Lab: TLabel
      Left = 340
      Top = 224
      Width = 161
      Height = 16
      Caption = 'Reports To ID'
      Alignment = taRightJustify
      AutoSize = False
    end
    object ReportsToID_DBEdt: TDBEdit
      Left = 508
      Top = 220
      Width = 120
      Height = 23
      DataField = 'ReportsToID'
      DataSource = DM.Employees_DS
      TabOrder = 0
    end
    object Extension_Lab: TLabel
      Left = 388
      Top = 254
      Width = 113
      Height = 16
      Caption = 'Extension'
      Alignment = taRightJustify
      AutoSize = False
    end
    object Extension_DBEdt: TDBEdit
      Left = 508
      Top = 250
      Width = 120
      Height = 23
      DataField = 'Extension'
      DataSource = DM.Employees_DS
      TabOrder = 0
    end
    object Photo_Lab: TLabel
      Left = 436
      Top = 284
      Width = 65
      Height = 16
      Caption = 'Photo'
      Alignment = taRightJustify
      AutoSize = False
    end
    object Photo_DBEdt: TDBEdit
      Left = 508
      Top = 280
      Width = 120
      Height = 23
      DataField = 'Photo'
      DataSource = DM.Employees_DS
      TabOrder = 0
    end
    object Remarks_Lab: TLabel
      Left = 412
      Top = 314
      Width = 89
      Height = 16
      Caption = 'Remarks'
      Alignment = taRightJustify
      AutoSize = False
    end
    object Remarks_DBEdt: TDBEdit
      Left = 508
      Top = 310
      Width = 120
      Height = 23
      DataField = 'Remarks'
      DataSource = DM.Employees_DS
      TabOrder = 0
    end
    object Remarks_DBMemo: TDBMemo
      Left = 684
      Top = 310
      Width = 120
      Height = 23
      DataField = 'Remarks'
      DataSource = DM.Employees_DS
      ScrollBars = ssVertical
      TabOrder = 0
    end
end
