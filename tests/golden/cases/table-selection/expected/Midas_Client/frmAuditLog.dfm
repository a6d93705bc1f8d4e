object AuditLog_Frm: TAuditLog_Frm
  Caption = 'AuditLog'
  ClientHeight = 500
  ClientWidth = 960
    object AuditLog_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.AuditLog_DS
      TabOrder = 0
    end
    object AuditLog_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 240
      Height = 160
      DataSource = DM.AuditLog_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'LoggedAt'
          Title.Caption = 'Logged At'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Message'
          Title.Caption = 'Message'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
    object LoggedAt_Lab: TLabel
      Left = 388
      Top = 44
      Width = 113
      Height = 16
      Caption = 'Logged At'
      Alignment = taRightJustify
      AutoSize = False
    end
    object LoggedAt_DBEdt: TDBEdit
      Left = 508
      Top = 40
      Width = 120
      Height = 23
      DataField = 'LoggedAt'
      DataSource = DM.AuditLog_DS
      TabOrder = 0
    end
    object Message_Lab: TLabel
      Left = 412
      Top = 74
      Width = 89
      Height = 16
      Caption = 'Message'
      Alignment = taRightJustify
      AutoSize = False
    end
    object Message_DBEdt: TDBEdit
      Left = 508
      Top = 70
      Width = 120
      Height = 23
      DataField = 'Message'
      DataSource = DM.AuditLog_DS
      TabOrder = 0
    end
end
