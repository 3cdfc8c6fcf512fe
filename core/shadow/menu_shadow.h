// What the popup-menu window procedure asks of drop shadows: the shadow of a
// popup window as it is shown, and undoing a submenu's change to its parent's
// shadow as it closes. The popup passes what its tracking knows as arguments;
// the shadows keep their windows in their own MenuShadowSet.
#pragma once

#include <windows.h>

#include <cstdint>

#include "core/shadow/menu_shadow_geometry.h"

namespace kelvra {

// The shadow fields of a popup's record (MenuExPopupRecord), which
// DropShadowMenuWindow fills in.
struct MenuPopupShadows {
  HWND bottomShadowWindow = nullptr;
  HWND hiddenWindow = nullptr;        // a parent's strip hidden while this submenu is open
  int32_t bottomShadowFlags = 0;      // the piece flags the bottom strip was made with
  int32_t bottomShadowX = 0, bottomShadowY = 0, bottomShadowLength = 0;
  HWND shadowWindow = nullptr;        // the hidden strip made again around this submenu
  int32_t thirdShadowX = 0, thirdShadowY = 0, thirdShadowLength = 0;
  HWND thirdShadowWindow = nullptr;
};

// The colour and opacity of menu shadows in a UI style: the Office styles (6,
// 0x1000000, 0x2000000) and UISTYLE_WHIDBEY read their "menudropshadow" UI
// colour (its top byte the opacity); every other style is black at 40.
ShadowColour MenuShadowColour(uint32_t style);

// Shows the shadow of `popup`, a popup menu window being shown at its final
// place: once per window, and only while the system's drop-shadow setting is on.
// `placement` holds the tracking's values (the style of the tracked menu, the
// bar-title drop-down values); `parentPopup` is the popup window a cascaded
// submenu opens from (0 for the root popup). The strips are laid out by
// LayOutMenuShadows; a submenu over one of its parent's strips hides it and makes
// it again around itself. `record` receives what the popup's record keeps.
// Returns 0.
int DropShadowMenuWindow(HWND popup, const MenuShadowPlacement& placement, HWND parentPopup, MenuPopupShadows& record);

// For the popup's WM_DESTROY: destroys the strip made again around `popup` and
// shows the parent's strip it hid again (SW_SHOWNA). Doing it twice does nothing
// more; RemoveMenuShadows, which the creation hook runs at the same WM_DESTROY,
// does it as well. The popup clears its record's shadowWindow and hiddenWindow.
void UndoSubmenuShadow(HWND popup);

}  // namespace kelvra
