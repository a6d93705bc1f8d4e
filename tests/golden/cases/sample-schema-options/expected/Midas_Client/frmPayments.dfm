object Payments_Frm: TPayments_Frm
  Left = 260
  Top = 160
  Width = 960
  Height = 600
  AutoScroll = True
  Caption = 'Payments'
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
    object Payments_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.Payments_DS
      TabOrder = 0
    end
    object Payments_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 240
      Height = 160
      DataSource = DM.Payments_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'PaymentID'
          Title.Caption = 'Payment ID'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'OrderID'
          Title.Caption = 'Order#'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'PaidAt'
          Title.Caption = 'Paid At'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'Amount'
          Title.Caption = 'Amount'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'PaymentMethod'
          Title.Caption = 'Payment Method'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'CardLastDigits'
          Title.Caption = 'Card Last Digits'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'TransactionRef'
          Title.Caption = 'Transaction Ref'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'BankReference'
          Title.Caption = 'Bank Reference'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
    object PaymentID_Lab: TLabel
      Left = 376
      Top = 44
      Width = 125
      Height = 16
      Caption = 'Payment ID'
      Alignment = taRightJustify
      AutoSize = False
    end
    object PaymentID_DBEdt: TDBEdit
      Left = 508
      Top = 40
      Width = 120
      Height = 23
      DataField = 'PaymentID'
      DataSource = DM.Payments_DS
      TabOrder = 0
    end
    object OrderID_Lab: TLabel
      Left = 424
      Top = 74
      Width = 77
      Height = 16
      Caption = 'Order#'
      Alignment = taRightJustify
      AutoSize = False
    end
    object OrderID_DBEdt: TDBEdit
      Left = 508
      Top = 70
      Width = 120
      Height = 23
      DataField = 'OrderID'
      DataSource = DM.Payments_DS
      TabOrder = 0
    end
    object OrderID_DBLkpCbo: TDBLookupComboBox
      Left = 684
      Top = 70
      Width = 120
      Height = 23
      DataField = 'OrderID'
      DataSource = DM.Payments_DS
      KeyField = 'OrderID'
      ListField = 'ShipName'
      ListSource = DM.Orders_DS
      TabOrder = 0
    end
    object PaidAt_Lab: TLabel
      Left = 412
      Top = 104
      Width = 89
      Height = 16
      Caption = 'Paid At'
      Alignment = taRightJustify
      AutoSize = False
    end
    object PaidAt_DBEdt: TDBEdit
      Left = 508
      Top = 100
      Width = 120
      Height = 23
      DataField = 'PaidAt'
      DataSource = DM.Payments_DS
      TabOrder = 0
    end
    object Amount_Lab: TLabel
      Left = 424
      Top = 134
      Width = 77
      Height = 16
      Caption = 'Amount'
      Alignment = taRightJustify
      AutoSize = False
    end
    object Amount_DBEdt: TDBEdit
      Left = 508
      Top = 130
      Width = 120
      Height = 23
      DataField = 'Amount'
      DataSource = DM.Payments_DS
      TabOrder = 0
    end
    object PaymentMethod_Lab: TLabel
      Left = 328
      Top = 164
      Width = 173
      Height = 16
      Caption = 'Payment Method'
      Alignment = taRightJustify
      AutoSize = False
    end
    object PaymentMethod_DBEdt: TDBEdit
      Left = 508
      Top = 160
      Width = 120
      Height = 23
      DataField = 'PaymentMethod'
      DataSource = DM.Payments_DS
      TabOrder = 0
    end
    object CardLastDigits_Lab: TLabel
      Left = 304
      Top = 194
      Width = 197
      Height = 16
      Caption = 'Card Last Digits'
      Alignment = taRightJustify
      AutoSize = False
    end
    object CardLastDigits_DBEdt: TDBEdit
      Left = 508
      Top = 190
      Width = 120
      Height = 23
      DataField = 'CardLastDigits'
      DataSource = DM.Payments_DS
      TabOrder = 0
    end
    object TransactionRef_Lab: TLabel
      Left = 316
      Top = 224
      Width = 185
      Height = 16
      Caption = 'Transaction Ref'
      Alignment = taRightJustify
      AutoSize = False
    end
    object TransactionRef_DBEdt: TDBEdit
      Left = 508
      Top = 220
      Width = 120
      Height = 23
      DataField = 'TransactionRef'
      DataSource = DM.Payments_DS
      TabOrder = 0
    end
    object BankReference_Lab: TLabel
      Left = 328
      Top = 254
      Width = 173
      Height = 16
      Caption = 'Bank Reference'
      Alignment = taRightJustify
      AutoSize = False
    end
    object BankReference_DBEdt: TDBEdit
      Left = 508
      Top = 250
      Width = 120
      Height = 23
      DataField = 'BankReference'
      DataSource = DM.Payments_DS
      TabOrder = 0
    end
end
