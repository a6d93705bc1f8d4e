object Kinds_Frm: TKinds_Frm
  Caption = 'Kinds'
  ClientHeight = 500
  ClientWidth = 960
    object Kinds_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.Kinds_DS
      TabOrder = 0
    end
    object Kinds_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 240
      Height = 160
      DataSource = DM.Kinds_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'KeyID'
          Title.Caption = 'Key ID'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'VarText'
          Title.Caption = 'Var Text'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'FixedVarText'
          Title.Caption = 'Fixed Var Text'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Small'
          Title.Caption = 'Kleines'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Tiny'
          Title.Caption = 'Tiny'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'ErrorCode'
          Title.Caption = 'Error Code'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'UInt'
          Title.Caption = 'U Int'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'SmallNumber'
          Title.Caption = 'Small Number'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'UTiny'
          Title.Caption = 'U Tiny'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'USmall'
          Title.Caption = 'U Small'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Flag'
          Title.Caption = 'Flag'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Single'
          Title.Caption = 'Single'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Double'
          Title.Caption = 'Double'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Money'
          Title.Caption = 'Money'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Dec'
          Title.Caption = 'Dec'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'WideNumber'
          Title.Caption = 'Wide Number'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'NegativeScale'
          Title.Caption = 'Negative Scale'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'VarNum'
          Title.Caption = 'Var Num'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Day'
          Title.Caption = 'Day'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Clock'
          Title.Caption = 'Clock'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Moment'
          Title.Caption = 'Moment'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'FileTime'
          Title.Caption = 'File Time'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Stamp'
          Title.Caption = 'Stamp'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'DBFileTime'
          Title.Caption = 'DB File Time'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Bytes'
          Title.Caption = 'Bytes'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'VarBytes'
          Title.Caption = 'Var Bytes'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Picture'
          Title.Caption = 'Picture'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Memo'
          Title.Caption = 'Memo'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'WideMemo'
          Title.Caption = 'Wide Memo'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Code'
          Title.Caption = 'Code'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'BStr'
          Title.Caption = 'B Str'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'WChar'
          Title.Caption = 'W Char'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'WideText'
          Title.Caption = 'Wide Text'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Big'
          Title.Caption = 'Big'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'UBig'
          Title.Caption = 'U Big'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Chapter'
          Title.Caption = 'Chapter'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Variant'
          Title.Caption = 'Variant'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'PropVariant'
          Title.Caption = 'Prop Variant'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Unknown'
          Title.Caption = 'Unknown'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Dispatch'
          Title.Caption = 'Dispatch'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Guid'
          Title.Caption = 'Guid'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'COLUMN1'
          Title.Caption = 'COLUMN1'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Unit Price'
          Title.Caption = 'Unit  Price'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Buyer''s Ref'
          Title.Caption = 'Buyer''s  Ref'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Buyer''sRef'
          Title.Caption = 'Buyer''s'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'WithEq'
          Title.Caption = 'Total=Sum'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'kinds'
          Title.Caption = 'kinds'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
    object KeyID_Lab: TLabel
      Left = 272
      Top = 44
      Width = 89
      Height = 16
      Caption = 'Key ID:'
      Alignment = taLeftJustify
      AutoSize = True
    end
    object KeyID_DBEdt: TDBEdit
      Left = 508
      Top = 40
      Width = 120
      Height = 23
      DataField = 'KeyID'
      DataSource = DM.Kinds_DS
      TabOrder = 0
    end
    object VarText_Lab: TLabel
      Left = 272
      Top = 74
      Width = 113
      Height = 16
      Caption = 'Var Text:'
      Alignment = taLeftJustify
      AutoSize = True
    end
    object VarText_DBEdt: TDBEdit
      Left = 508
      Top = 70
      Width = 120
      Height = 23
      DataField = 'VarText'
      DataSource = DM.Kinds_DS
      TabOrder = 0
    end
    object FixedVarText_Lab: TLabel
      Left = 272
      Top = 104
      Width = 185
      Height = 16
      Caption = 'Fixed Var Text:'
      Alignment = taLeftJustify
      AutoSize = True
    end
    object FixedVarText_DBEdt: TDBEdit
      Left = 508
      Top = 100
      Width = 120
      Height = 23
      DataField = 'FixedVarText'
      DataSource = DM.Kinds_DS
      TabOrder = 0
    end
    object Small_Lab: TLabel
      Left = 272
      Top = 134
      Width = 101
      Height = 16
      Caption = 'Kleines:'
      Alignment = taLeftJustify
      AutoSize = True
    end
    object Small_DBEdt: TDBEdit
      Left = 508
      Top = 130
      Width = 120
      Height = 23
      DataField = 'Small'
      DataSource = DM.Kinds_DS
      TabOrder = 0
    end
    object Tiny_Lab: TLabel
      Left = 272
      Top = 164
      Width = 65
      Height = 16
      Caption = 'Tiny:'
      Alignment = taLeftJustify
      AutoSize = True
    end
    object Tiny_DBEdt: TDBEdit
      Left = 508
      Top = 160
      Width = 120
      Height = 23
      DataField = 'Tiny'
      DataSource = DM.Kinds_DS
      TabOrder = 0
    end
    object ErrorCode_Lab: TLabel
      Left = 272
      Top = 194
      Width = 137
      Height = 16
      Caption = 'Error Code:'
      Alignment = taLeftJustify
      AutoSize = True
    end
    object ErrorCode_DBEdt: TDBEdit
      Left = 508
      Top = 190
      Width = 120
      Height = 23
      DataField = 'ErrorCode'
      DataSource = DM.Kinds_DS
      TabOrder = 0
    end
    object ErrorCode_DBLkpCbo: TDBLookupComboBox
      Left = 684
      Top = 190
      Width = 120
      Height = 23
      DataField = 'ErrorCode'
      DataSource = DM.Kinds_DS
      TabOrder = 0
    end
    object UInt_Lab: TLabel
      Left = 272
      Top = 224
      Width = 77
      Height = 16
      Caption = 'U Int:'
      Alignment = taLeftJustify
      AutoSize = True
    end
    object UInt_DBEdt: TDBEdit
      Left = 508
      Top = 220
      Width = 120
      Height = 23
      DataField = 'UInt'
      DataSource = DM.Kinds_DS
      TabOrder = 0
    end
    object SmallNumber_Lab: TLabel
      Left = 272
      Top = 254
      Width = 161
      Height = 16
      Caption = 'Small Number:'
      Alignment = taLeftJustify
      AutoSize = True
    end
    object SmallNumber_DBEdt: TDBEdit
      Left = 508
      Top = 250
      Width = 120
      Height = 23
      DataField = 'SmallNumber'
      DataSource = DM.Kinds_DS
      TabOrder = 0
    end
    object UTiny_Lab: TLabel
      Left = 272
      Top = 284
      Width = 89
      Height = 16
      Caption = 'U Tiny:'
      Alignment = taLeftJustify
      AutoSize = True
    end
    object UTiny_DBEdt: TDBEdit
      Left = 508
      Top = 280
      Width = 120
      Height = 23
      DataField = 'UTiny'
      DataSource = DM.Kinds_DS
      TabOrder = 0
    end
    object USmall_Lab: TLabel
      Left = 272
      Top = 314
      Width = 101
      Height = 16
      Caption = 'U Small:'
      Alignment = taLeftJustify
      AutoSize = True
    end
    object USmall_DBEdt: TDBEdit
      Left = 508
      Top = 310
      Width = 120
      Height = 23
      DataField = 'USmall'
      DataSource = DM.Kinds_DS
      TabOrder = 0
    end
    object Flag_Lab: TLabel
      Left = 272
      Top = 344
      Width = 65
      Height = 16
      Caption = 'Flag:'
      Alignment = taLeftJustify
      AutoSize = True
    end
    object Flag_DBChk: TDBCheckBox
      Left = 508
      Top = 340
      Width = 60
      Height = 23
      DataField = 'Flag'
      DataSource = DM.Kinds_DS
      TabOrder = 0
    end
    object Single_Lab: TLabel
      Left = 272
      Top = 374
      Width = 89
      Height = 16
      Caption = 'Single:'
      Alignment = taLeftJustify
      AutoSize = True
    end
    object Single_DBEdt: TDBEdit
      Left = 508
      Top = 370
      Width = 120
      Height = 23
      DataField = 'Single'
      DataSource = DM.Kinds_DS
      TabOrder = 0
    end
    object Double_Lab: TLabel
      Left = 272
      Top = 404
      Width = 89
      Height = 16
      Caption = 'Double:'
      Alignment = taLeftJustify
      AutoSize = True
    end
    object Double_DBEdt: TDBEdit
      Left = 508
      Top = 400
      Width = 120
      Height = 23
      DataField = 'Double'
      DataSource = DM.Kinds_DS
      TabOrder = 0
    end
    object Money_Lab: TLabel
      Left = 272
      Top = 434
      Width = 77
      Height = 16
      Caption = 'Money:'
      Alignment = taLeftJustify
      AutoSize = True
    end
    object Money_DBEdt: TDBEdit
      Left = 508
      Top = 430
      Width = 120
      Height = 23
      DataField = 'Money'
      DataSource = DM.Kinds_DS
      TabOrder = 0
    end
    object Dec_Lab: TLabel
      Left = 272
      Top = 464
      Width = 53
      Height = 16
      Caption = 'Dec:'
      Alignment = taLeftJustify
      AutoSize = True
    end
    object Dec_DBEdt: TDBEdit
      Left = 508
      Top = 460
      Width = 120
      Height = 23
      DataField = 'Dec'
      DataSource = DM.Kinds_DS
      TabOrder = 0
    end
    object WideNumber_Lab: TLabel
      Left = 272
      Top = 494
      Width = 149
      Height = 16
      Caption = 'Wide Number:'
      Alignment = taLeftJustify
      AutoSize = True
    end
    object WideNumber_DBEdt: TDBEdit
      Left = 508
      Top = 490
      Width = 120
      Height = 23
      DataField = 'WideNumber'
      DataSource = DM.Kinds_DS
      TabOrder = 0
    end
    object WideNumber_DBLkpCbo: TDBLookupComboBox
      Left = 684
      Top = 490
      Width = 120
      Height = 23
      DataField = 'WideNumber'
      DataSource = DM.Kinds_DS
      TabOrder = 0
    end
    object NegativeScale_Lab: TLabel
      Left = 272
      Top = 524
      Width = 185
      Height = 16
      Caption = 'Negative Scale:'
      Alignment = taLeftJustify
      AutoSize = True
    end
    object NegativeScale_DBEdt: TDBEdit
      Left = 508
      Top = 520
      Width = 120
      Height = 23
      DataField = 'NegativeScale'
      DataSource = DM.Kinds_DS
      TabOrder = 0
    end
    object VarNum_Lab: TLabel
      Left = 272
      Top = 554
      Width = 101
      Height = 16
      Caption = 'Var Num:'
      Alignment = taLeftJustify
      AutoSize = True
    end
    object VarNum_DBEdt: TDBEdit
      Left = 508
      Top = 550
      Width = 120
      Height = 23
      DataField = 'VarNum'
      DataSource = DM.Kinds_DS
      TabOrder = 0
    end
    object Day_Lab: TLabel
      Left = 272
      Top = 584
      Width = 53
      Height = 16
      Caption = 'Day:'
      Alignment = taLeftJustify
      AutoSize = True
    end
    object Day_DBEdt: TDBEdit
      Left = 508
      Top = 580
      Width = 120
      Height = 23
      DataField = 'Day'
      DataSource = DM.Kinds_DS
      TabOrder = 0
    end
    object Clock_Lab: TLabel
      Left = 272
      Top = 614
      Width = 77
      Height = 16
      Caption = 'Clock:'
      Alignment = taLeftJustify
      AutoSize = True
    end
    object Clock_DBEdt: TDBEdit
      Left = 508
      Top = 610
      Width = 120
      Height = 23
      DataField = 'Clock'
      DataSource = DM.Kinds_DS
      TabOrder = 0
    end
    object Moment_Lab: TLabel
      Left = 272
      Top = 644
      Width = 89
      Height = 16
      Caption = 'Moment:'
      Alignment = taLeftJustify
      AutoSize = True
    end
    object Moment_DBEdt: TDBEdit
      Left = 508
      Top = 640
      Width = 120
      Height = 23
      DataField = 'Moment'
      DataSource = DM.Kinds_DS
      TabOrder = 0
    end
    object FileTime_Lab: TLabel
      Left = 272
      Top = 674
      Width = 125
      Height = 16
      Caption = 'File Time:'
      Alignment = taLeftJustify
      AutoSize = True
    end
    object FileTime_DBEdt: TDBEdit
      Left = 508
      Top = 670
      Width = 120
      Height = 23
      DataField = 'FileTime'
      DataSource = DM.Kinds_DS
      TabOrder = 0
    end
    object Stamp_Lab: TLabel
      Left = 272
      Top = 704
      Width = 77
      Height = 16
      Caption = 'Stamp:'
      Alignment = taLeftJustify
      AutoSize = True
    end
    object Stamp_DBEdt: TDBEdit
      Left = 508
      Top = 700
      Width = 120
      Height = 23
      DataField = 'Stamp'
      DataSource = DM.Kinds_DS
      TabOrder = 0
    end
    object DBFileTime_Lab: TLabel
      Left = 272
      Top = 734
      Width = 161
      Height = 16
      Caption = 'DB File Time:'
      Alignment = taLeftJustify
      AutoSize = True
    end
    object DBFileTime_DBEdt: TDBEdit
      Left = 508
      Top = 730
      Width = 120
      Height = 23
      DataField = 'DBFileTime'
      DataSource = DM.Kinds_DS
      TabOrder = 0
    end
    object Bytes_Lab: TLabel
      Left = 272
      Top = 764
      Width = 77
      Height = 16
      Caption = 'Bytes:'
      Alignment = taLeftJustify
      AutoSize = True
    end
    object Bytes_DBEdt: TDBEdit
      Left = 508
      Top = 760
      Width = 120
      Height = 23
      DataField = 'Bytes'
      DataSource = DM.Kinds_DS
      TabOrder = 0
    end
    object VarBytes_Lab: TLabel
      Left = 272
      Top = 794
      Width = 125
      Height = 16
      Caption = 'Var Bytes:'
      Alignment = taLeftJustify
      AutoSize = True
    end
    object VarBytes_DBEdt: TDBEdit
      Left = 508
      Top = 790
      Width = 120
      Height = 23
      DataField = 'VarBytes'
      DataSource = DM.Kinds_DS
      TabOrder = 0
    end
    object Picture_Lab: TLabel
      Left = 272
      Top = 824
      Width = 101
      Height = 16
      Caption = 'Picture:'
      Alignment = taLeftJustify
      AutoSize = True
    end
    object Picture_DBEdt: TDBEdit
      Left = 508
      Top = 820
      Width = 120
      Height = 23
      DataField = 'Picture'
      DataSource = DM.Kinds_DS
      TabOrder = 0
    end
    object Memo_Lab: TLabel
      Left = 272
      Top = 854
      Width = 65
      Height = 16
      Caption = 'Memo:'
      Alignment = taLeftJustify
      AutoSize = True
    end
    object Memo_DBEdt: TDBEdit
      Left = 508
      Top = 850
      Width = 120
      Height = 23
      DataField = 'Memo'
      DataSource = DM.Kinds_DS
      TabOrder = 0
    end
    object Memo_DBMemo: TDBMemo
      Left = 684
      Top = 850
      Width = 120
      Height = 23
      DataField = 'Memo'
      DataSource = DM.Kinds_DS
      ScrollBars = ssVertical
      TabOrder = 0
    end
    object WideMemo_Lab: TLabel
      Left = 272
      Top = 884
      Width = 125
      Height = 16
      Caption = 'Wide Memo:'
      Alignment = taLeftJustify
      AutoSize = True
    end
    object WideMemo_DBEdt: TDBEdit
      Left = 508
      Top = 880
      Width = 120
      Height = 23
      DataField = 'WideMemo'
      DataSource = DM.Kinds_DS
      TabOrder = 0
    end
    object WideMemo_DBMemo: TDBMemo
      Left = 684
      Top = 880
      Width = 120
      Height = 23
      DataField = 'WideMemo'
      DataSource = DM.Kinds_DS
      ScrollBars = ssVertical
      TabOrder = 0
    end
    object WideMemo_DBLkpCbo: TDBLookupComboBox
      Left = 812
      Top = 880
      Width = 120
      Height = 23
      DataField = 'WideMemo'
      DataSource = DM.Kinds_DS
      TabOrder = 0
    end
    object Code_Lab: TLabel
      Left = 272
      Top = 914
      Width = 65
      Height = 16
      Caption = 'Code:'
      Alignment = taLeftJustify
      AutoSize = True
    end
    object Code_DBEdt: TDBEdit
      Left = 508
      Top = 910
      Width = 120
      Height = 23
      DataField = 'Code'
      DataSource = DM.Kinds_DS
      TabOrder = 0
    end
    object Code_DBLkpCbo: TDBLookupComboBox
      Left = 684
      Top = 910
      Width = 120
      Height = 23
      DataField = 'Code'
      DataSource = DM.Kinds_DS
      TabOrder = 0
    end
    object BStr_Lab: TLabel
      Left = 272
      Top = 944
      Width = 77
      Height = 16
      Caption = 'B Str:'
      Alignment = taLeftJustify
      AutoSize = True
    end
    object BStr_DBEdt: TDBEdit
      Left = 508
      Top = 940
      Width = 120
      Height = 23
      DataField = 'BStr'
      DataSource = DM.Kinds_DS
      TabOrder = 0
    end
    object WChar_Lab: TLabel
      Left = 272
      Top = 974
      Width = 89
      Height = 16
      Caption = 'W Char:'
      Alignment = taLeftJustify
      AutoSize = True
    end
    object WChar_DBEdt: TDBEdit
      Left = 508
      Top = 970
      Width = 120
      Height = 23
      DataField = 'WChar'
      DataSource = DM.Kinds_DS
      TabOrder = 0
    end
    object WideText_Lab: TLabel
      Left = 272
      Top = 1004
      Width = 125
      Height = 16
      Caption = 'Wide Text:'
      Alignment = taLeftJustify
      AutoSize = True
    end
    object WideText_DBEdt: TDBEdit
      Left = 508
      Top = 1000
      Width = 120
      Height = 23
      DataField = 'WideText'
      DataSource = DM.Kinds_DS
      TabOrder = 0
    end
    object WideText_DBLkpCbo: TDBLookupComboBox
      Left = 684
      Top = 1000
      Width = 120
      Height = 23
      DataField = 'WideText'
      DataSource = DM.Kinds_DS
      TabOrder = 0
    end
    object Big_Lab: TLabel
      Left = 272
      Top = 1034
      Width = 53
      Height = 16
      Caption = 'Big:'
      Alignment = taLeftJustify
      AutoSize = True
    end
    object Big_DBEdt: TDBEdit
      Left = 508
      Top = 1030
      Width = 120
      Height = 23
      DataField = 'Big'
      DataSource = DM.Kinds_DS
      TabOrder = 0
    end
    object UBig_Lab: TLabel
      Left = 272
      Top = 1064
      Width = 77
      Height = 16
      Caption = 'U Big:'
      Alignment = taLeftJustify
      AutoSize = True
    end
    object UBig_DBEdt: TDBEdit
      Left = 508
      Top = 1060
      Width = 120
      Height = 23
      DataField = 'UBig'
      DataSource = DM.Kinds_DS
      TabOrder = 0
    end
    object Chapter_Lab: TLabel
      Left = 272
      Top = 1094
      Width = 101
      Height = 16
      Caption = 'Chapter:'
      Alignment = taLeftJustify
      AutoSize = True
    end
    object Chapter_DBEdt: TDBEdit
      Left = 508
      Top = 1090
      Width = 120
      Height = 23
      DataField = 'Chapter'
      DataSource = DM.Kinds_DS
      TabOrder = 0
    end
    object Variant_Lab: TLabel
      Left = 272
      Top = 1124
      Width = 101
      Height = 16
      Caption = 'Variant:'
      Alignment = taLeftJustify
      AutoSize = True
    end
    object Variant_DBEdt: TDBEdit
      Left = 508
      Top = 1120
      Width = 120
      Height = 23
      DataField = 'Variant'
      DataSource = DM.Kinds_DS
      TabOrder = 0
    end
    object PropVariant_Lab: TLabel
      Left = 272
      Top = 1154
      Width = 161
      Height = 16
      Caption = 'Prop Variant:'
      Alignment = taLeftJustify
      AutoSize = True
    end
    object PropVariant_DBEdt: TDBEdit
      Left = 508
      Top = 1150
      Width = 120
      Height = 23
      DataField = 'PropVariant'
      DataSource = DM.Kinds_DS
      TabOrder = 0
    end
    object Unknown_Lab: TLabel
      Left = 272
      Top = 1184
      Width = 101
      Height = 16
      Caption = 'Unknown:'
      Alignment = taLeftJustify
      AutoSize = True
    end
    object Unknown_DBEdt: TDBEdit
      Left = 508
      Top = 1180
      Width = 120
      Height = 23
      DataField = 'Unknown'
      DataSource = DM.Kinds_DS
      TabOrder = 0
    end
    object Dispatch_Lab: TLabel
      Left = 272
      Top = 1214
      Width = 113
      Height = 16
      Caption = 'Dispatch:'
      Alignment = taLeftJustify
      AutoSize = True
    end
    object Dispatch_DBEdt: TDBEdit
      Left = 508
      Top = 1210
      Width = 120
      Height = 23
      DataField = 'Dispatch'
      DataSource = DM.Kinds_DS
      TabOrder = 0
    end
    object Guid_Lab: TLabel
      Left = 272
      Top = 1244
      Width = 65
      Height = 16
      Caption = 'Guid:'
      Alignment = taLeftJustify
      AutoSize = True
    end
    object Guid_DBEdt: TDBEdit
      Left = 508
      Top = 1240
      Width = 120
      Height = 23
      DataField = 'Guid'
      DataSource = DM.Kinds_DS
      TabOrder = 0
    end
    object Guid_DBLkpCbo: TDBLookupComboBox
      Left = 684
      Top = 1240
      Width = 120
      Height = 23
      DataField = 'Guid'
      DataSource = DM.Kinds_DS
      TabOrder = 0
    end
    object COLUMN1_Lab: TLabel
      Left = 272
      Top = 1274
      Width = 101
      Height = 16
      Caption = 'COLUMN1:'
      Alignment = taLeftJustify
      AutoSize = True
    end
    object COLUMN1_DBEdt: TDBEdit
      Left = 508
      Top = 1270
      Width = 120
      Height = 23
      DataField = 'COLUMN1'
      DataSource = DM.Kinds_DS
      TabOrder = 0
    end
    object UnitPrice_Lab: TLabel
      Left = 272
      Top = 1304
      Width = 149
      Height = 16
      Caption = 'Unit  Price:'
      Alignment = taLeftJustify
      AutoSize = True
    end
    object UnitPrice_DBEdt: TDBEdit
      Left = 508
      Top = 1300
      Width = 120
      Height = 23
      DataField = 'Unit Price'
      DataSource = DM.Kinds_DS
      TabOrder = 0
    end
    object BuyersRef_Lab: TLabel
      Left = 272
      Top = 1334
      Width = 161
      Height = 16
      Caption = 'Buyer''s  Ref:'
      Alignment = taLeftJustify
      AutoSize = True
    end
    object BuyersRef_DBEdt: TDBEdit
      Left = 508
      Top = 1330
      Width = 120
      Height = 23
      DataField = 'Buyer''s Ref'
      DataSource = DM.Kinds_DS
      TabOrder = 0
    end
    object BuyersRef_1_Lab: TLabel
      Left = 272
      Top = 1364
      Width = 101
      Height = 16
      Caption = 'Buyer''s:'
      Alignment = taLeftJustify
      AutoSize = True
    end
    object BuyersRef_1_DBEdt: TDBEdit
      Left = 508
      Top = 1360
      Width = 120
      Height = 23
      DataField = 'Buyer''sRef'
      DataSource = DM.Kinds_DS
      TabOrder = 0
    end
    object WithEq_Lab: TLabel
      Left = 272
      Top = 1394
      Width = 125
      Height = 16
      Caption = 'Total=Sum:'
      Alignment = taLeftJustify
      AutoSize = True
    end
    object WithEq_DBEdt: TDBEdit
      Left = 508
      Top = 1390
      Width = 120
      Height = 23
      DataField = 'WithEq'
      DataSource = DM.Kinds_DS
      TabOrder = 0
    end
    object kinds_Lab: TLabel
      Left = 272
      Top = 1424
      Width = 53
      Height = 16
      Caption = 'kinds:'
      Alignment = taLeftJustify
      AutoSize = True
    end
    object kinds_DBEdt: TDBEdit
      Left = 508
      Top = 1420
      Width = 120
      Height = 23
      DataField = 'kinds'
      DataSource = DM.Kinds_DS
      TabOrder = 0
    end
end
