unit frmMain;

interface

uses
  Classes, Controls, Forms, StdCtrls;

type
  TMain_Frm = class(TForm)


  end;

var
  Main_Frm: TMain_Frm;

implementation

uses
  dmClient;

{$R *.dfm}


end.
