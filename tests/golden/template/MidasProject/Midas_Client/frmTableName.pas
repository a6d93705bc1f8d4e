unit frmTableName;

interface

uses
  Classes, Controls, Forms, DB, DBCtrls, DBGrids, StdCtrls, Mask, dmClient;

type
  TTableName_Frm = class(TForm)
{#DataComponentList}
  end;

var
  TableName_Frm: TTableName_Frm;

implementation

{$R *.dfm}

end.
