// The shadow windows the library made for popup menu windows (MenuShadowSet).
#pragma once

#include <windows.h>

#include "core/library/control_list.h"
#include "core/shadow/menu_shadow_geometry.h"

namespace kelvra {

struct MenuShadowSet {
  HWND rightShadow = nullptr;
  HWND bottomShadow = nullptr;
  HWND thirdShadow = nullptr;   // 0 when not needed
  HWND ownerPopup = nullptr;
  // Kept beside them: where each strip lies and in which colour, so that a
  // submenu over one can make it again around itself.
  MenuShadowPieces pieces;
  ShadowColour colour;
  // A cascaded submenu's change to its parent's shadow: the parent's strip it
  // hid, and that strip made again around the submenu.
  HWND hiddenWindow = nullptr;
  HWND remadeWindow = nullptr;
};

ControlList<MenuShadowSet>& MenuShadowSetList();

// The first set owned by `popup`, or null. Call with ShadowStateLock held.
MenuShadowSet* FindMenuShadowSet(HWND popup);

// Destroys the shadow windows of every MenuShadowSet owned by `popupWindow` and
// removes the sets; a parent's strip that a set hid is shown again. The creation
// hook calls it on the popup's WM_DESTROY.
void RemoveMenuShadows(HWND popupWindow);

// Kelvra_End: the sets go (their windows go with the shadow windows).
void ForgetMenuShadowSets();

}  // namespace kelvra
