object ORDERDETAILS_4_Frm: TORDERDETAILS_4_Frm
  Caption = 'ORDERDETAILS_4'
  ClientHeight = 500
  ClientWidth = 960
    object ORDERDETAILS_4_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.ORDERDETAILS_4_DS
      TabOrder = 0
    end
    object ORDERDETAILS_4_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 240
      Height = 160
      DataSource = DM.ORDERDETAILS_4_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'Flag'
          Title.Caption = 'Flag'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
    object Flag_Lab: TLabel
      Left = 448
      Top = 44
      Width = 53
      Height = 16
      Caption = 'Flag'
      Alignment = taRightJustify
      AutoSize = False
    end
    object Flag_DBChk: TDBCheckBox
      Left = 508
      Top = 40
      Width = 60
      Height = 23
      DataField = 'Flag'
      DataSource = DM.ORDERDETAILS_4_DS
      TabOrder = 0
    end
end
