object TableGrids_Frm: TTableGrids_Frm
  Caption = 'All Tables'
  ClientHeight = 650
  ClientWidth = 850
end
