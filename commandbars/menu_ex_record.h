// MenuExRecord and the MenuExList: the records of menu bars, their titles, popup
// menus and the bindings of toolbar drop-down buttons to the menus they open.
// The list and the records are guarded by MenuLock (Locks().menu).
//
// So far only the toolbar code makes records, all of the binding kind; the other
// kinds and their fields are here so the menu code can grow into them.
#pragma once

#include <windows.h>

#include <cstdint>

#include "core/library/control_list.h"

namespace kelvra {

enum class MenuExKind : uint8_t {
  BareBar,          // a menu bar before its first title
  Title,            // a title of a menu bar, with its popup
  Popup,            // a stand-alone popup menu
  DropDownBinding,  // a toolbar drop-down button and the menu it opens
};

// A binding's bound record when its menu is not a MenuEx of the library.
inline constexpr uintptr_t kMenuExBoundUnknown = static_cast<uintptr_t>(-1);
// Bar window of popup records; menu handle of bare bar records.
inline const HWND kMenuExNoBar = reinterpret_cast<HWND>(static_cast<intptr_t>(-1));
inline const HMENU kMenuExNoMenu = reinterpret_cast<HMENU>(static_cast<intptr_t>(-1));

// The head's number is the menu's number (the records of one bar share it); the
// head's window is the bar window: the ToolBarEx of a bar or title, the toolbar
// of a binding, kMenuExNoBar in popup records.
struct MenuExRecord : ControlHead {
  MenuExKind kind = MenuExKind::Popup;
  HWND ownerWindow = nullptr;           // the window carrying the bar (0 in popups and bindings)
  HMENU menuHandle = nullptr;           // the native popup menu; kMenuExNoMenu in a bare bar
  uintptr_t runtimeMenu = 0;            // the object owning menuHandle (0 in bare bars and bindings)
  int32_t commandId = -1;               // the title button's or drop-down button's id
  uint8_t popupMarker = 0;              // 0xFF in popup and binding records
  // A binding's popup: the address of its MenuExRecord, to be resolved through
  // MenuExList().FindByAddress (never followed as it is: the popup may have been
  // freed), or kMenuExBoundUnknown. 0 in other kinds.
  uintptr_t boundRecord = 0;
  uint8_t windowInactive = 0;           // 0xFF while the owner window is inactive
  uint8_t dropDownFlag = 0;             // 0xFF while dropped down from its title or button
  int32_t uiStyle = 0;                  // Office 2003 stored as 6
  int32_t measuredWidth = 0, measuredHeight = 0;
  uint8_t open = 0;
  HDC backgroundDc = nullptr;           // cached popup background, 0 when none
  HBITMAP backgroundBitmap = nullptr;
  int32_t backgroundWidth = 0, backgroundHeight = 0;

  HWND BarWindow() const { return static_cast<HWND>(window); }
};

ControlList<MenuExRecord>& MenuExList();

// The first record in list order whose number or menu handle is `key`; the
// caller holds MenuLock.
MenuExRecord* FindMenuExByNumberOrHandle(intptr_t key);
// The binding record of the drop-down button `commandId` of `toolbar`, first in
// list order; the caller holds MenuLock.
MenuExRecord* FindMenuExBinding(HWND toolbar, int32_t commandId);
// The record a binding shows, or nullptr (unknown menu, or freed since).
MenuExRecord* ResolveBoundRecord(const MenuExRecord& binding);
// Deletes every binding of `toolbar` (of its button `commandId`, or of all its
// buttons for -1 with `allButtons`); takes MenuLock itself.
void DeleteMenuExBindings(HWND toolbar, int32_t commandId, bool allButtons);

// Sizes every title button of the bar `bar` again for the current MenuExFont
// (and fits the rebar band holding the bar).
// Nothing here: there are no menu bars yet.
void ResizeMenuBarButton(HWND bar);

// The menu items' half of TintMenuAndToolBarIcons (modes 0, 1 and 2).
// Nothing here: there are no menu items yet.
void TintMenuExItemIcons(uintptr_t reference, int mode);

}  // namespace kelvra
