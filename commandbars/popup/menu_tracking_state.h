// MenuTrackingState: the one record of the MenuEx menu being tracked, read and
// written by the creation hook, the host-window procedure, the popup window
// procedure, the scroll thread and the menu hooks, each by the names below. The
// tracking code (commandbars/popup/) owns it; everything else is 0 (or the value
// given) while nothing is tracked.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/platform/win_handles.h"

namespace kelvra {

struct MenuExRecord;
struct MenuExPopupRecord;

// Where a popup goes: set by DisplayPopupMenuEx, and for bar titles and drop-down
// buttons by their drop-down handling, which also sets the anchor values.
struct MenuPlacementValues {
  int32_t anchorWidth = 0;          // the title's (or button's) width the drop-down hangs from
  int32_t anchorOffset = 0;         // how far the drop-down was pushed left of its title
  int32_t direction = 0;            // -1 while dropped down from a bar title
  int32_t flipUp = 0;               // -1 when the drop-down opens above its title
  POINT anchorPoint{};              // the bar pixel whose colour a joined frame takes
  int32_t joinColourFlag = 0;       // 1: the outer frame takes the anchor point's colour
  COLORREF heldBorderColour = 0;    // a drop-down button's "menuheldborder" of the toolbar's style
  int32_t placementNudge = 0;       // 0 to 6 and more: how far the popup was moved onto the monitor
  int32_t popupLeft = 0;            // the popup's left edge as the tracking placed it
  int32_t measuredPopupWidth = 0;   // CalcMenuItemWidth of the tracked menu
};

// The screen-background cache under a bar's drop-downs: screen pixels kept in a
// memory DC, in screen coordinates less the cache area's left and top.
struct MenuBarBackgroundCache {
  UniqueBitmap bitmap;    // declared first, so the DC goes first
  UniqueDc dc;
  HGDIOBJ originalBitmap = nullptr;
  SIZE size{};            // of the bitmap
  RECT area{};            // the screen area the cache stands for
  RECT grabbed{};         // what mode -1 copied last
};

// An item of a long menu's slice that a typed character runs: the character
// after its text's "&", and the item's command id.
struct MenuMnemonic {
  std::wstring mnemonic;
  int32_t commandId = 0;
};

struct MenuTrackingState {
  HWND barWindow = nullptr;          // the ToolBarEx of the menu bar last created or dropped down
  int32_t hotTitle = -1;             // bar title shown as dropped down, -1 none
  int32_t lastHotTitle = -1;         // the hot title the creation hook last redrew the bar for
  int32_t chevronClick = 0;          // -1 when the last press in a chevron menu's loop hit the chevron
  RECT chevronRect{};                // the chevron's screen rectangle, kept for its filter hook
  HMENU selectionBaseMenu = nullptr; // the menu WM_MENUSELECT indices refer to
  WNDPROC popupProcedure = nullptr;  // the system procedure of popup menu windows
  MenuPlacementValues placement;
  HMENU trackedMenu = nullptr;       // non-zero while a menu is tracked
  MenuExRecord* trackedRecord = nullptr;
  HWND firstPopupWindow = nullptr;   // the first popup of this tracking that painted its frame
  HWND currentPopupWindow = nullptr; // the popup most recently subclassed by the creation hook
  HWND focusWindow = nullptr;        // focused when tracking began; focused again on a press and at the end
  HWND trackingOwner = nullptr;      // the window the tracked menu reports to
  int32_t keyboardNavigation = 0;    // 1 after an arrow key, 0 after a press (-2: a title switch by key)
  int32_t barKeyboardMode = 0;       // 1 the bar was entered by Alt or F10 and nothing else yet, -2 a key followed
  int32_t pendingTitle = -1;         // the title moved to while a menu is open, -1 none
  int32_t lastHitTitle = -1;         // the title under the pointer, -1 none (-2: the keyboard hook closed the menu)
  int32_t arrowUsed = 0;             // 1 after Up or Down, 0 after the pointer moved
  int32_t lastInput = 0;             // 1 when the loop's last input was a key, 0 after a pointer move
  POINT lastMousePoint{};            // of the last WM_MOUSEMOVE the filter hook saw
  int32_t lastMenuSelectFlags = 0;   // HIWORD(wParam) of the last WM_MENUSELECT
  HMENU lastSelectedSubmenu = nullptr;
  int32_t submenuOpening = 0;        // 1 while the next popup window will show a submenu
  HMENU openingSubmenu = nullptr;    //   and that submenu
  int32_t overPopup = 0;             // 1 while the last pointer point lies in an open popup of this tracking
  int32_t itemSelected = 0;          // the popup procedure's item-selected flag
  int32_t pendingSelection = 0;
  MenuExPopupRecord* openPopupChain = nullptr;  // the innermost open popup
  int32_t cascadeX = 0;              // left edge of the last placed popup
  int32_t cascadeY = 0;
  int32_t selectionFadeSaved = 0;    // 1 while the system's selection fade is switched off by us
  int32_t openPopups = 0;
  int32_t rootStyle = 0;             // UI style of the root popup, given to its submenus
  int32_t movedOnce = 0;             // per-tracking flags of the popup procedure
  int32_t closedFlag = 0;

  // Item drawing.
  int32_t iconMargin = 0;            // CalcMenuImageMargin - 2 of the menu font, kept by WM_MEASUREITEM
  int32_t measuredImageWidth = 0;    // the image width of the item last measured (the popup's icon column)
  int32_t menuPaintPass = 0;         // 0 first paint, -1 after its last item, then 1
  int32_t popupBackgroundSwitch = 1; // 0 where the system overpaints the erased background
  int32_t firstItemHot = 0;          // the first item was drawn selected
  int32_t lastHotItemTop = 0;        // the top of the last item drawn hot
  int32_t separatorSkips = 0;        // keys sent in a row to pass over separators

  // Long popups (the slice shown in place of a menu too tall for its monitor).
  HMENU scrollSliceMenu = nullptr;
  HWND scrollSlicePopupWindow = nullptr;
  HMENU scrollFullMenu = nullptr;
  int32_t scrollMode = 0;
  int32_t scrollWidth = 0;           // the fixed item width in scroll mode
  int32_t scrollMaximumHeight = 0;
  int32_t scrollSpacerHeight = 7;
  int32_t scrollArrowHeight = 0;
  int32_t scrollNextPosition = 0;
  int32_t scrollFirstShown = 0;
  volatile LONG scrollScrolled = 0;  // a scroll step is running
  volatile LONG scrollBusy = 0;      // the pointer rests on an arrow
  volatile LONG scrollDone = 0;      // the end of the menu was reached
  volatile LONG scrollRebuilding = 0;// the slice's items are being replaced: draw nothing
  HANDLE scrollThread = nullptr;
  std::vector<MenuMnemonic> menuMnemonics;  // MenuMnemonicList of the slice shown

  // A bar drop-down's shadow area (the screen rectangle of the drop-down last
  // placed; empty when none is stored) and the screen-background cache under it.
  RECT shadowArea{};
  MenuBarBackgroundCache backgroundCache;
  int32_t backgroundCacheFilled = 0; // -1 while a repaint under the popup is watched for
  int32_t backgroundCacheInUse = 0;  // 1 while the cache is in use
};

MenuTrackingState& MenuTracking();

// The tracked menu drops down from a menu-bar title or drop-down button (its
// record's drop-down flag). Takes MenuLock.
bool TrackedMenuDropsFromBar();

}  // namespace kelvra
