object Invoices_Frm: TInvoices_Frm
  Left = 260
  Top = 160
  Width = 960
  Height = 600
  AutoScroll = True
  Caption = 'Invoices'
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
    object Invoices_DBNvg: TDBNavigator
      Left = 16
      Top = 24
      Width = 240
      Height = 25
      DataSource = DM.Invoices_DS
      TabOrder = 0
    end
    object Invoices_DBGrid: TDBGrid
      Left = 16
      Top = 60
      Width = 240
      Height = 160
      DataSource = DM.Invoices_DS
      TabOrder = 0
       Columns = <
        item
          Expanded = False
          FieldName = 'InvoiceID'
          Title.Caption = 'Invoice ID'
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
          FieldName = 'InvoiceNumber'
          Title.Caption = 'Invoice Number'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'InvoiceDate'
          Title.Caption = 'Invoice Date'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'DueDate'
          Title.Caption = 'Due Date'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'TotalAmount'
          Title.Caption = 'Total'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'TaxRate'
          Title.Caption = 'Tax Rate'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'IsPaid'
          Title.Caption = 'Is Paid'
          Title.Alignment = taCenter
          Visible = True
        end
        item
          Expanded = False
          FieldName = 'PdfDocument'
          Title.Caption = 'Pdf Document'
          Title.Alignment = taCenter
          Visible = True
        end
      >
    end
    object InvoiceID_Lab: TLabel
      Left = 376
      Top = 44
      Width = 125
      Height = 16
      Caption = 'Invoice ID'
      Alignment = taRightJustify
      AutoSize = False
    end
    object InvoiceID_DBEdt: TDBEdit
      Left = 508
      Top = 40
      Width = 120
      Height = 23
      DataField = 'InvoiceID'
      DataSource = DM.Invoices_DS
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
      DataSource = DM.Invoices_DS
      TabOrder = 0
    end
    object OrderID_DBLkpCbo: TDBLookupComboBox
      Left = 684
      Top = 70
      Width = 120
      Height = 23
      DataField = 'OrderID'
      DataSource = DM.Invoices_DS
      KeyField = 'OrderID'
      ListField = 'ShipName'
      ListSource = DM.Orders_DS
      TabOrder = 0
    end
    object InvoiceNumber_Lab: TLabel
      Left = 328
      Top = 104
      Width = 173
      Height = 16
      Caption = 'Invoice Number'
      Alignment = taRightJustify
      AutoSize = False
    end
    object InvoiceNumber_DBEdt: TDBEdit
      Left = 508
      Top = 100
      Width = 120
      Height = 23
      DataField = 'InvoiceNumber'
      DataSource = DM.Invoices_DS
      TabOrder = 0
    end
    object InvoiceDate_Lab: TLabel
      Left = 352
      Top = 134
      Width = 149
      Height = 16
      Caption = 'Invoice Date'
      Alignment = taRightJustify
      AutoSize = False
    end
    object InvoiceDate_DBEdt: TDBEdit
      Left = 508
      Top = 130
      Width = 120
      Height = 23
      DataField = 'InvoiceDate'
      DataSource = DM.Invoices_DS
      TabOrder = 0
    end
    object DueDate_Lab: TLabel
      Left = 400
      Top = 164
      Width = 101
      Height = 16
      Caption = 'Due Date'
      Alignment = taRightJustify
      AutoSize = False
    end
    object DueDate_DBEdt: TDBEdit
      Left = 508
      Top = 160
      Width = 120
      Height = 23
      DataField = 'DueDate'
      DataSource = DM.Invoices_DS
      TabOrder = 0
    end
    object TotalAmount_Lab: TLabel
      Left = 436
      Top = 194
      Width = 65
      Height = 16
      Caption = 'Total'
      Alignment = taRightJustify
      AutoSize = False
    end
    object TotalAmount_DBEdt: TDBEdit
      Left = 508
      Top = 190
      Width = 120
      Height = 23
      DataField = 'TotalAmount'
      DataSource = DM.Invoices_DS
      TabOrder = 0
    end
    object TaxRate_Lab: TLabel
      Left = 400
      Top = 224
      Width = 101
      Height = 16
      Caption = 'Tax Rate'
      Alignment = taRightJustify
      AutoSize = False
    end
    object TaxRate_DBEdt: TDBEdit
      Left = 508
      Top = 220
      Width = 120
      Height = 23
      DataField = 'TaxRate'
      DataSource = DM.Invoices_DS
      TabOrder = 0
    end
    object IsPaid_Lab: TLabel
      Left = 412
      Top = 254
      Width = 89
      Height = 16
      Caption = 'Is Paid'
      Alignment = taRightJustify
      AutoSize = False
    end
    object IsPaid_DBChk: TDBCheckBox
      Left = 508
      Top = 250
      Width = 60
      Height = 23
      DataField = 'IsPaid'
      DataSource = DM.Invoices_DS
      TabOrder = 0
    end
    object PdfDocument_Lab: TLabel
      Left = 352
      Top = 284
      Width = 149
      Height = 16
      Caption = 'Pdf Document'
      Alignment = taRightJustify
      AutoSize = False
    end
    object PdfDocument_DBEdt: TDBEdit
      Left = 508
      Top = 280
      Width = 120
      Height = 23
      DataField = 'PdfDocument'
      DataSource = DM.Invoices_DS
      TabOrder = 0
    end
end
