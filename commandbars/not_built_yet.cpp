// The answers of menus, toolbars and rebars while they are not built: what
// commandbars/commandbars_seam.h (asked from outside commandbars/) and the command
// bars' own headers (asked by code already here) promise as "nothing here".
// Building one means deleting it here and defining it where it belongs.
#include "commandbars/commandbars_seam.h"
#include "commandbars/host_window/host_window_seams.h"
#include "commandbars/hotkey/menu_keyboard_hook.h"
#include "commandbars/host_window/host_window.h"
#include "commandbars/menu_ex_record.h"
#include "commandbars/popup/long_menu_calls.h"
#include "commandbars/popup/menu_family_calls.h"
#include "commandbars/popup/menu_tracking_state.h"
#include "commandbars/popup/popup_menu_window_proc.h"
#include "commandbars/rebar/rebar_band_layout.h"
#include "commandbars/rebar/rebar_ui_style.h"

namespace kelvra {

// ---- Asked from outside commandbars/ (commandbars/commandbars_seam.h)

void ForgetMenuPopupBackgrounds() {}
uint32_t CurrentMenuUIStyle(uint32_t fallback) { return fallback; }



// ---- Asked by command-bar code already here

void OnMenuBarKeyDropDown(HWND, HWND, int32_t) {}

SIZE MenuBarTitlePopupSize(HWND, int) { return SIZE{0, 0}; }
int32_t RefreshMenuExItems(HMENU) { return 0; }
void OnScrollSliceWindowCreated(HWND) {}
void OnScrollRowSelected(HWND, int) {}


// The host window's message families of later parts: the window's own answer.
LRESULT OnRebarLayoutChanged(HWND, WPARAM, LPARAM, LRESULT saved) { return saved; }
LRESULT OnRebarBeginDrag(HWND, WPARAM, LPARAM, LRESULT saved) { return saved; }
LRESULT OnRebarEndDrag(HWND, WPARAM, LPARAM, LRESULT saved) { return saved; }
LRESULT OnRebarChevronPushed(HWND, WPARAM, LPARAM, LRESULT saved) { return saved; }
LRESULT OnToolBarExDropDown(HWND, WPARAM, LPARAM, LRESULT saved) { return saved; }
LRESULT OnToolBarExHotItemChange(HWND, WPARAM, LPARAM, LRESULT saved) { return saved; }
LRESULT OnCommandBarCustomDraw(HWND, WPARAM, LPARAM, LRESULT saved) { return saved; }
LRESULT OnHostMeasureItem(HWND, WPARAM, LPARAM, LRESULT saved) { return saved; }
LRESULT OnHostDrawItem(HWND, WPARAM, LPARAM, LRESULT saved) { return saved; }
void FitHostRebars(HWND, WPARAM, LPARAM) {}

// No menu bars yet: nothing to size.
void ResizeMenuBarButton(HWND) {}

// Toolbars re-fit inside bands once the custom draw sizes them; until then a
// band keeps the size its toolbar was given.
void ToolbarBandRefit(HWND) {}

// No menu items yet.
void TintMenuExItemIcons(uintptr_t, int) {}

}  // namespace kelvra

namespace kelvra::steps {

void FreeAllMenus() {}

}  // namespace kelvra::steps
