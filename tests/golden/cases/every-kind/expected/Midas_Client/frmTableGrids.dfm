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
  Object Kinds_TS : TTabSheet
    Caption = 'Kinds'
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
      Width = 600
      Height = 300
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
  end
  end
end
