{ Stand-in for Delphi 7's ExtCtrls unit: TCustomPanel, the ancestor of
  TDBNavigator.  TPanel, TBevel, TImage, TTimer and the rest are not used by
  the generated projects and are left out. }
unit ExtCtrls;

{$mode delphi}

interface

uses
  Windows, Messages, SysUtils, Classes, Graphics, Controls, Forms;

type
  TPanelBevel = TBevelCut;

  TCustomPanel = class(TCustomControl)
  private
    FAlignment: TAlignment;
    FBevelInner: TPanelBevel;
    FBevelOuter: TPanelBevel;
    FBevelWidth: TBevelWidth;
    FBorderStyle: TBorderStyle;
    FFullRepaint: Boolean;
    FLocked: Boolean;
  protected
    property Alignment: TAlignment read FAlignment write FAlignment default taCenter;
    property BevelInner: TPanelBevel read FBevelInner write FBevelInner default bvNone;
    property BevelOuter: TPanelBevel read FBevelOuter write FBevelOuter default bvRaised;
    property BevelWidth: TBevelWidth read FBevelWidth write FBevelWidth default 1;
    property BorderStyle: TBorderStyle read FBorderStyle write FBorderStyle default bsNone;
    property FullRepaint: Boolean read FFullRepaint write FFullRepaint default True;
    property Locked: Boolean read FLocked write FLocked default False;
  public
    constructor Create(AOwner: TComponent); override;
  end;

implementation

constructor TCustomPanel.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FAlignment := taCenter;
  FBevelOuter := bvRaised;
  FBevelWidth := 1;
  FFullRepaint := True;
end;

end.
