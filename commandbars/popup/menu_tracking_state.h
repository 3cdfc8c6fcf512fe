// MenuTrackingState: the one record of the MenuEx menu being tracked. So far it
// holds the fields that the creation hook's menu events read and write
// (menu_tracking_hook.cpp); the menu code owns them and the rest of the record.
// All idle while nothing is tracked.
#pragma once

#include <windows.h>

#include <cstdint>

namespace kelvra {

struct MenuTrackingState {
  HWND barWindow = nullptr;          // the ToolBarEx of the menu bar last created or dropped down
  int32_t hotTitle = -1;             // bar title shown as dropped down, -1 none
  int32_t lastHotTitle = -1;         // the hot title the creation hook last redrew the bar for
  WNDPROC popupProcedure = nullptr;  // the system procedure of popup menu windows
  HMENU trackedMenu = nullptr;       // non-zero while a menu is tracked
  HWND firstPopupWindow = nullptr;   // the first popup of this tracking that painted its frame
  HWND currentPopupWindow = nullptr; // the popup most recently subclassed by the creation hook
  int32_t backgroundCacheFilled = 0; // screen-background cache: -1 while a repaint under the popup is watched for
  int32_t backgroundCacheInUse = 0;  // 1 while the cache is in use
};

MenuTrackingState& MenuTracking();

// The tracked menu drops down from a menu-bar title (its record's drop-down flag).
// Not built yet: commandbars/not_built_yet.cpp answers false.
bool TrackedMenuDropsFromBar();

}  // namespace kelvra
