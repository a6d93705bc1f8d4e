object Main_Frm: TMain_Frm
  Caption = 'Main'
  ClientHeight = 400
  ClientWidth = 400
end
