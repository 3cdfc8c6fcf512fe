// The picture of one owner-drawn menu item in every look: the plain and themed
// classic looks, Whidbey and the two Office styles. The WM_DRAWITEM handler looks
// the item's records up (under MenuLock) and hands their fields over here, so the
// painter never reads a record itself; what it asks of the caller afterwards
// (the popup background to keep, a key to pass a separator) comes back in the
// outcome, for the caller to do once its lock is released.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <string_view>

#include "commandbars/popup/menu_tracking_state.h"
#include "core/platform/win_handles.h"

namespace kelvra {

// What the painter reads of an item and of the menu holding it.
struct MenuItemPaintInput {
  // The item: its text already split into label and hot-key text.
  std::wstring_view label;
  std::wstring_view hotKey;
  bool separator = false;          // an item with empty text
  int32_t itemType = 0;            // >= 0 ordinary; -1 down arrow, -2 up arrow, -3 spacer
  int32_t position = 0;            // in its menu
  int32_t itemCount = 0;           // of its menu
  HIMAGELIST images = nullptr;     // normal, hot and disabled image; 0 without icon
  bool hasNormalIcon = false, hasHotIcon = false;
  int32_t imageWidth = 0, imageHeight = 0;
  bool iconCheck = false;          // a checked item shows its icon in the check box
  bool radio = false;
  bool hasSubmenu = false;
  // The menu.
  int32_t uiStyle = 0;
  int32_t measuredWidth = 0, measuredHeight = 0;
  bool open = false;               // the record's open byte
  bool droppedDown = false;        // the record's drop-down flag
  bool popupMarker = false;
  bool backgroundCached = false;   // its cached background exists at the measured size
  HFONT font = nullptr;            // MenuExFont
};

struct MenuItemPaintOutcome {
  bool drawn = false;              // false: the background-cache shortcut answered (result 0)
  bool keepBackground = false;     // copy the menu's DC into the record's background cache now
  WORD separatorKey = 0;           // VK_DOWN or VK_UP to synthesise once no lock is held; 0 none
};

// Draws `draw`'s item (an ODT_MENU item) and advances the tracking's paint pass,
// first-item-hot flag, last hot top and separator skips. The caller holds
// MenuLock; the painter keeps its off-screen buffer and arrow bitmap between
// calls, so a warm repaint makes no GDI object.
MenuItemPaintOutcome PaintMenuItem(const DRAWITEMSTRUCT& draw, const MenuItemPaintInput& item,
                                   MenuTrackingState& tracking);

// The popup background cache: a memory DC and bitmap `width` x `height` holding
// `from` copied from (0, 0). The old cache goes first; false (and empty) when it
// cannot be made.
bool KeepPopupBackground(HDC from, int32_t width, int32_t height, UniqueDc& dc, UniqueBitmap& bitmap);

// Whether the themed classic look applies: a visual style is active, the "menu"
// theme is open and the common controls are 6.1 or later.
bool MenuThemeUsable();

// Frees the painter's kept buffer and arrow bitmap (the library's end).
void FreeMenuItemPainter();

}  // namespace kelvra
