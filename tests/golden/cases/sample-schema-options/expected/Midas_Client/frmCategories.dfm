object Categories_Frm: TCategories_Frm
  Left = 260
  Top = 160
  Width = 960
  Height = 600
  AutoScroll = True
  Caption = 'Categories'
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
    object Categories_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.Categories_DS
      TabOrder = 0
    end
    object Categories_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 240
      Height = 160
      DataSource = DM.Categories_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'CategoryID'
          Title.Caption = 'Category ID'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'CategoryName'
          Title.Caption = 'Category Name'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Description'
          Title.Caption = 'Description'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'SortOrder'
          Title.Caption = 'Sort Order'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
    object CategoryID_Lab: TLabel
      Left = 364
      Top = 44
      Width = 137
      Height = 16
      Caption = 'Category ID'
      Alignment = taRightJustify
      AutoSize = False
    end
    object CategoryID_DBEdt: TDBEdit
      Left = 508
      Top = 40
      Width = 120
      Height = 23
      DataField = 'CategoryID'
      DataSource = DM.Categories_DS
      TabOrder = 0
    end
    object CategoryName_Lab: TLabel
      Left = 340
      Top = 74
      Width = 161
      Height = 16
      Caption = 'Category Name'
      Alignment = taRightJustify
      AutoSize = False
    end
    object CategoryName_DBEdt: TDBEdit
      Left = 508
      Top = 70
      Width = 120
      Height = 23
      DataField = 'CategoryName'
      DataSource = DM.Categories_DS
      TabOrder = 0
    end
    object Description_Lab: TLabel
      Left = 364
      Top = 104
      Width = 137
      Height = 16
      Caption = 'Description'
      Alignment = taRightJustify
      AutoSize = False
    end
    object Description_DBEdt: TDBEdit
      Left = 508
      Top = 100
      Width = 120
      Height = 23
      DataField = 'Description'
      DataSource = DM.Categories_DS
      TabOrder = 0
    end
    object Description_DBMemo: TDBMemo
      Left = 684
      Top = 100
      Width = 120
      Height = 23
      DataField = 'Description'
      DataSource = DM.Categories_DS
      ScrollBars = ssVertical
      TabOrder = 0
    end
    object SortOrder_Lab: TLabel
      Left = 376
      Top = 134
      Width = 125
      Height = 16
      Caption = 'Sort Order'
      Alignment = taRightJustify
      AutoSize = False
    end
    object SortOrder_DBEdt: TDBEdit
      Left = 508
      Top = 130
      Width = 120
      Height = 23
      DataField = 'SortOrder'
      DataSource = DM.Categories_DS
      TabOrder = 0
    end
end
