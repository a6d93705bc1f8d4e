{ Stand-in for Delphi 7's ImgList unit. }
unit ImgList;

{$mode delphi}

interface

uses
  Classes;

type
  TImageIndex = type Integer;

  TCustomImageList = class(TComponent)
  private
    FHeight: Integer;
    FWidth: Integer;
    FOnChange: TNotifyEvent;
  protected
    property Height: Integer read FHeight write FHeight default 16;
    property Width: Integer read FWidth write FWidth default 16;
    property OnChange: TNotifyEvent read FOnChange write FOnChange;
  public
    constructor Create(AOwner: TComponent); override;
    function Count: Integer;
  end;

implementation

constructor TCustomImageList.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FHeight := 16;
  FWidth := 16;
end;

function TCustomImageList.Count: Integer;
begin
  Result := 0;
end;

end.
