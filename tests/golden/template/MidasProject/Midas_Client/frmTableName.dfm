object TableName_Frm: TTableName_Frm
  Caption = 'TableName'
  ClientHeight = 500
  ClientWidth = 960
end
