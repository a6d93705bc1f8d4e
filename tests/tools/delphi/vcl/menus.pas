{ Stand-in for Delphi 7's Menus unit: the menu classes exist as property
  types (TForm.Menu, TControl.PopupMenu); the generated projects have no
  menus, so their published properties are left out. }
unit Menus;

{$mode delphi}

interface

uses
  Classes;

type
  TShortCut = Low(Word)..High(Word);

  TMenuItem = class(TComponent)
  end;

  TMenu = class(TComponent)
  end;

  TMainMenu = class(TMenu)
  end;

  TPopupMenu = class(TMenu)
  end;

implementation

end.
