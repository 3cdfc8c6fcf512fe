// The creation hook's menu events: what happens to the windows the system makes
// while a MenuEx menu is tracked (its popup windows and its shadow), and the
// watch of the screen-background cache under a menu bar's drop-down.
#include <windows.h>
#include <commctrl.h>

#include "commandbars/commandbars_seam.h"
#include "commandbars/popup/menu_tracking_state.h"
#include "commandbars/popup/popup_menu_window_proc.h"
#include "core/platform/dwm_api.h"
#include "core/windows/window_class_name.h"

namespace kelvra {

namespace {

bool CompositionOn() { return Dwm().compositionEnabled != FALSE; }

bool MenuTracked() { return MenuTracking().trackedMenu != nullptr; }

}  // namespace

void OnMessageSeenByCreationHook(HWND window, UINT message) {
  auto& tracking = MenuTracking();
  if (tracking.backgroundCacheInUse != 1 || CompositionOn()) return;
  if (message != WM_PAINT && message != WM_NOTIFY) return;
  if (tracking.backgroundCacheFilled != -1 || !tracking.firstPopupWindow) return;
  if (WindowClassName(window) == kPopupMenuClass) return;
  RECT rect{}, popup{}, overlap{};
  if (!GetWindowRect(window, &rect) || !GetWindowRect(tracking.firstPopupWindow, &popup)) return;
  if (IntersectRect(&overlap, &rect, &popup)) tracking.backgroundCacheFilled = 1;
}

void OnPopupMenuWindowCreated(HWND popup) {
  if (!MenuTracked()) return;
  auto& tracking = MenuTracking();
  const bool fromBar = TrackedMenuDropsFromBar();
  if (!CompositionOn()) {
    // A bar's drop-down gets the library's own shadow; every other popup the system's.
    const DWORD style = GetClassLongW(popup, GCL_STYLE);
    if (fromBar && tracking.hotTitle != -1 && tracking.hotTitle != tracking.lastHotTitle) {
      if (style & CS_DROPSHADOW) SetClassLongW(popup, GCL_STYLE, style & ~CS_DROPSHADOW);
    } else if (!(style & CS_DROPSHADOW)) {
      SetClassLongW(popup, GCL_STYLE, style | CS_DROPSHADOW);
    }
  }
  tracking.currentPopupWindow = popup;
  tracking.popupProcedure = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(popup, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(PopupMenuWindowProc)));
  if (fromBar && tracking.barWindow) {
    // Show the title as dropped down now: the bar's drawing is off while tracking.
    const HWND bar = tracking.barWindow;
    SendMessageW(bar, TB_SETHOTITEM, static_cast<WPARAM>(tracking.hotTitle), 0);
    SendMessageW(bar, WM_SETREDRAW, TRUE, 0);
    RECT update{};
    if (GetUpdateRect(bar, &update, FALSE)) RedrawWindow(bar, &update, nullptr, RDW_UPDATENOW | RDW_ERASENOW);
    SendMessageW(bar, WM_SETREDRAW, FALSE, 0);
    tracking.lastHotTitle = tracking.hotTitle;
  }
}

void OnSystemShadowCreated(HWND shadow) {
  // The system's menu shadow gives way to the library's.
  if (MenuTracked()) DestroyWindow(shadow);
}

}  // namespace kelvra
