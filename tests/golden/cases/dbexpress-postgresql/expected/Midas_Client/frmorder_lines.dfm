object order_lines_Frm: Torder_lines_Frm
  Left = 260
  Top = 160
  Width = 960
  Height = 600
  AutoScroll = True
  Caption = 'order_lines'
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
    object order_lines_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.order_lines_DS
      TabOrder = 0
    end
    object order_lines_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 240
      Height = 160
      DataSource = DM.order_lines_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'line_id'
          Title.Caption = 'line id'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'note'
          Title.Caption = 'note'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
    object line_id_Lab: TLabel
      Left = 440
      Top = 44
      Width = 61
      Height = 16
      Caption = 'line id'
      Alignment = taRightJustify
      AutoSize = False
    end
    object line_id_DBEdt: TDBEdit
      Left = 508
      Top = 40
      Width = 120
      Height = 23
      DataField = 'line_id'
      DataSource = DM.order_lines_DS
      TabOrder = 0
    end
    object note_Lab: TLabel
      Left = 464
      Top = 74
      Width = 37
      Height = 16
      Caption = 'note'
      Alignment = taRightJustify
      AutoSize = False
    end
    object note_DBEdt: TDBEdit
      Left = 508
      Top = 70
      Width = 120
      Height = 23
      DataField = 'note'
      DataSource = DM.order_lines_DS
      TabOrder = 0
    end
end
