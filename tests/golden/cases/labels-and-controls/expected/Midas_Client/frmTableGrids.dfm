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
  Object Layout_TS : TTabSheet
    Caption = 'Layout'
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
      Width = 600
      Height = 300
      DataSource = DM.Layout_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'CodeID'
          Title.Caption = 'Code ID'
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
  end
  end
end
