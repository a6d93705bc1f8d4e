{ Stand-in for Delphi 7's Grids unit: TCustomGrid, the ancestor of TDBGrid.
  TStringGrid and TDrawGrid are not used by the generated projects and are
  left out. }
unit Grids;

{$mode delphi}

interface

uses
  Windows, Messages, SysUtils, Classes, Graphics, Menus, Controls, Forms,
  StdCtrls, Mask;

type
  TGridState = (gsNormal, gsSelecting, gsRowSizing, gsColSizing, gsRowMoving,
    gsColMoving);
  TGridDrawState = set of (gdSelected, gdFocused, gdFixed);
  TGridScrollDirection = set of (sdLeft, sdRight, sdUp, sdDown);

  TCustomGrid = class(TCustomControl)
  private
    FBorderStyle: TBorderStyle;
    FDefaultDrawing: Boolean;
    FFixedColor: TColor;
  protected
    property BorderStyle: TBorderStyle read FBorderStyle write FBorderStyle default bsSingle;
    property DefaultDrawing: Boolean read FDefaultDrawing write FDefaultDrawing default True;
    property FixedColor: TColor read FFixedColor write FFixedColor default clBtnFace;
  public
    constructor Create(AOwner: TComponent); override;
  end;

implementation

constructor TCustomGrid.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FBorderStyle := bsSingle;
  FDefaultDrawing := True;
  FFixedColor := clBtnFace;
  TabStop := True;
end;

end.
