unit frmMain;

interface

uses
  Classes, Controls, Forms, StdCtrls;

type
  TMain_Frm = class(TForm)
{#ButtonList}
{#ButtonEventList}
  end;

var
  Main_Frm: TMain_Frm;

implementation

uses
  dmClient{#FormUnitList};

{$R *.dfm}

{#ButtonEventCodeList}
end.
