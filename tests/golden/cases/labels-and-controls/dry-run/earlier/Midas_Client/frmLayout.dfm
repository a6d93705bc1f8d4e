object Layout_Frm: TLayout_Frm
  Caption = 'Page layout'
  ClientHeight = 500
  ClientWidth = 960
    object Layout_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.Layout_DS
      TabOrder = 0
    end
    object Layout_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 240
      Height = 160
      DataSource = DM.Layout_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'CodeID'
          Title.Caption = 'Code'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'ClientID'
          Title.Caption = 'Client ID'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Short'
          Title.Caption = 'Short'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Notes50'
          Title.Caption = 'Notes50'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Remark'
          Title.Caption = 'Remark'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'PostalCode'
          Title.Caption = 'Postal Code'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Active'
          Title.Caption = 'Active'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Valid'
          Title.Caption = 'Valid'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Width'
          Title.Caption = 'Width'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = '___'
          Title.Caption = ''
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'LongCaption'
          Title.Caption = 'Averylongdisplaytextthathasfortytwocharsxy'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'lowercase'
          Title.Caption = 'lowercase'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = '2ndLine'
          Title.Caption = '2nd Line'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
    object CodeID_Lab: TLabel
      Left = 412
      Top = 44
      Width = 89
      Height = 16
      Caption = 'Code ID'
      Alignment = taRightJustify
      AutoSize = False
    end
    object CodeID_DBEdt: TDBEdit
      Left = 508
      Top = 40
      Width = 120
      Height = 23
      DataField = 'CodeID'
      DataSource = DM.Layout_DS
      TabOrder = 0
    end
    object ClientID_Lab: TLabel
      Left = 388
      Top = 74
      Width = 113
      Height = 16
      Caption = 'Client ID'
      Alignment = taRightJustify
      AutoSize = False
    end
    object ClientID_DBEdt: TDBEdit
      Left = 508
      Top = 70
      Width = 120
      Height = 23
      DataField = 'ClientID'
      DataSource = DM.Layout_DS
      TabOrder = 0
    end
    object ClientID_DBLkpCbo: TDBLookupComboBox
      Left = 684
      Top = 70
      Width = 120
      Height = 23
      DataField = 'ClientID'
      DataSource = DM.Layout_DS
      TabOrder = 0
    end
    object Short_Lab: TLabel
      Left = 436
      Top = 104
      Width = 65
      Height = 16
      Caption = 'Short'
      Alignment = taRightJustify
      AutoSize = False
    end
    object Short_DBEdt: TDBEdit
      Left = 508
      Top = 100
      Width = 120
      Height = 23
      DataField = 'Short'
      DataSource = DM.Layout_DS
      TabOrder = 0
    end
    object Notes50_Lab: TLabel
      Left = 412
      Top = 134
      Width = 89
      Height = 16
      Caption = 'Notes50'
      Alignment = taRightJustify
      AutoSize = False
    end
    object Notes50_DBEdt: TDBEdit
      Left = 508
      Top = 130
      Width = 120
      Height = 23
      DataField = 'Notes50'
      DataSource = DM.Layout_DS
      TabOrder = 0
    end
    object Notes50_DBMemo: TDBMemo
      Left = 684
      Top = 130
      Width = 120
      Height = 23
      DataField = 'Notes50'
      DataSource = DM.Layout_DS
      ScrollBars = ssVertical
      TabOrder = 0
    end
    object Remark_Lab: TLabel
      Left = 424
      Top = 164
      Width = 77
      Height = 16
      Caption = 'Remark'
      Alignment = taRightJustify
      AutoSize = False
    end
    object Remark_DBEdt: TDBEdit
      Left = 508
      Top = 160
      Width = 120
      Height = 23
      DataField = 'Remark'
      DataSource = DM.Layout_DS
      TabOrder = 0
    end
    object Remark_DBMemo: TDBMemo
      Left = 684
      Top = 160
      Width = 120
      Height = 23
      DataField = 'Remark'
      DataSource = DM.Layout_DS
      ScrollBars = ssVertical
      TabOrder = 0
    end
    object PostalCode_Lab: TLabel
      Left = 364
      Top = 194
      Width = 137
      Height = 16
      Caption = 'Postal Code'
      Alignment = taRightJustify
      AutoSize = False
    end
    object PostalCode_DBEdt: TDBEdit
      Left = 508
      Top = 190
      Width = 120
      Height = 23
      DataField = 'PostalCode'
      DataSource = DM.Layout_DS
      TabOrder = 0
    end
    object PostalCode_DBMemo: TDBMemo
      Left = 684
      Top = 190
      Width = 120
      Height = 23
      DataField = 'PostalCode'
      DataSource = DM.Layout_DS
      ScrollBars = ssVertical
      TabOrder = 0
    end
    object PostalCode_DBLkpCbo: TDBLookupComboBox
      Left = 812
      Top = 190
      Width = 120
      Height = 23
      DataField = 'PostalCode'
      DataSource = DM.Layout_DS
      TabOrder = 0
    end
    object Active_Lab: TLabel
      Left = 424
      Top = 224
      Width = 77
      Height = 16
      Caption = 'Active'
      Alignment = taRightJustify
      AutoSize = False
    end
    object Active_DBChk: TDBCheckBox
      Left = 508
      Top = 220
      Width = 60
      Height = 23
      DataField = 'Active'
      DataSource = DM.Layout_DS
      TabOrder = 0
    end
    object Valid_Lab: TLabel
      Left = 436
      Top = 254
      Width = 65
      Height = 16
      Caption = 'Valid'
      Alignment = taRightJustify
      AutoSize = False
    end
    object Valid_DBChk: TDBCheckBox
      Left = 508
      Top = 250
      Width = 60
      Height = 23
      DataField = 'Valid'
      DataSource = DM.Layout_DS
      TabOrder = 0
    end
    object Valid_DBLkpCbo: TDBLookupComboBox
      Left = 684
      Top = 250
      Width = 120
      Height = 23
      DataField = 'Valid'
      DataSource = DM.Layout_DS
      TabOrder = 0
    end
    object Width_Lab: TLabel
      Left = 436
      Top = 284
      Width = 65
      Height = 16
      Caption = 'Width'
      Alignment = taRightJustify
      AutoSize = False
    end
    object Width_DBEdt: TDBEdit
      Left = 508
      Top = 280
      Width = 120
      Height = 23
      DataField = 'Width'
      DataSource = DM.Layout_DS
      TabOrder = 0
    end
    object Width_DBLkpCbo: TDBLookupComboBox
      Left = 684
      Top = 280
      Width = 120
      Height = 23
      DataField = 'Width'
      DataSource = DM.Layout_DS
      TabOrder = 0
    end
    object ____Lab: TLabel
      Left = 496
      Top = 314
      Width = 5
      Height = 16
      Caption = ''
      Alignment = taRightJustify
      AutoSize = False
    end
    object ____DBEdt: TDBEdit
      Left = 508
      Top = 310
      Width = 120
      Height = 23
      DataField = '___'
      DataSource = DM.Layout_DS
      TabOrder = 0
    end
    object LongCaption_Lab: TLabel
      Left = -8
      Top = 344
      Width = 509
      Height = 16
      Caption = 'Averylongdisplaytextthathasfortytwocharsxy'
      Alignment = taRightJustify
      AutoSize = False
    end
    object LongCaption_DBEdt: TDBEdit
      Left = 508
      Top = 340
      Width = 120
      Height = 23
      DataField = 'LongCaption'
      DataSource = DM.Layout_DS
      TabOrder = 0
    end
    object lowercase_Lab: TLabel
      Left = 424
      Top = 374
      Width = 77
      Height = 16
      Caption = 'lowercase'
      Alignment = taRightJustify
      AutoSize = False
    end
    object lowercase_DBEdt: TDBEdit
      Left = 508
      Top = 370
      Width = 120
      Height = 23
      DataField = 'lowercase'
      DataSource = DM.Layout_DS
      TabOrder = 0
    end
    object _2ndLine_Lab: TLabel
      Left = 432
      Top = 404
      Width = 69
      Height = 16
      Caption = '2nd Line'
      Alignment = taRightJustify
      AutoSize = False
    end
    object _2ndLine_DBEdt: TDBEdit
      Left = 508
      Top = 400
      Width = 120
      Height = 23
      DataField = '2ndLine'
      DataSource = DM.Layout_DS
      TabOrder = 0
    end
end
