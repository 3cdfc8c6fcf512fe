// The host-window procedure's own handlers. Lists of menus are walked under
// MenuLock and what must be sent or redrawn is collected there and done after
// the lock is let go; the toolbar list is walked without a lock (user-interface
// thread only).
#include "commandbars/host_window/host_window_handlers.h"

#include <algorithm>
#include <vector>

#include "commandbars/commandbar_globals.h"
#include "commandbars/commandbars_seam.h"
#include "commandbars/menu_ex_font.h"
#include "commandbars/menu_ex_record.h"
#include "commandbars/toolbar/toolbar_host_messages.h"
#include "commandbars/toolbar/toolbar_registry.h"
#include "core/library/library_globals.h"
#include "core/library/reentrant_lock.h"
#include "core/platform/dwm_api.h"
#include "core/platform/uxtheme_api.h"
#include "skin/elements/ui_element_cache.h"

namespace kelvra {

namespace {

constexpr UINT kRedrawBar = RDW_INVALIDATE | RDW_INTERNALPAINT | RDW_ERASE;
constexpr UINT kRedrawAfterSizing = RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW;

void AddOnce(std::vector<HWND>& windows, HWND window) {
  if (std::find(windows.begin(), windows.end(), window) == windows.end()) windows.push_back(window);
}

// The toolbars that sit on a child of `window` (their grandparent is it).
std::vector<HWND> GrandchildToolbars(HWND window) {
  std::vector<HWND> toolbars;
  auto& list = ToolBarExList();
  if (list.Empty()) return toolbars;
  ControlList<ToolBarExRecord>::CurrentGuard keep(list);
  for (const ToolBarExRecord& toolbar : list) {
    const HWND parent = GetParent(toolbar.Window());
    if (parent && GetParent(parent) == window) toolbars.push_back(toolbar.Window());
  }
  return toolbars;
}

void SetComposited(HWND toolbar, bool on) {
  const LONG_PTR style = GetWindowLongPtrW(toolbar, GWL_EXSTYLE);
  const bool is = (style & WS_EX_COMPOSITED) != 0;
  // Each change sends style messages, and WM_SIZING comes many times a drag.
  if (is == on) return;
  SetWindowLongPtrW(toolbar, GWL_EXSTYLE, on ? (style | WS_EX_COMPOSITED) : (style & ~WS_EX_COMPOSITED));
}

}  // namespace

void OnHostCommand(WPARAM wParam, LPARAM lParam) {
  const WORD code = HIWORD(wParam);
  if (code != CBN_DROPDOWN && code != CBN_CLOSEUP) return;
  auto& buttons = ToolBarExButtonList();
  ControlList<ToolBarExButtonRecord>::CurrentGuard keep(buttons);
  OnToolBarExGadgetDropDown(reinterpret_cast<HWND>(lParam), code == CBN_DROPDOWN);
}

void RefreshCompositionFlag() {
  auto& dwm = Dwm();
  if (!dwm.DwmIsCompositionEnabled) return;
  BOOL enabled = FALSE;
  if (SUCCEEDED(dwm.DwmIsCompositionEnabled(&enabled))) dwm.compositionEnabled = enabled;
}

void OnHostThemeChanged() {
  RefreshThemesAfterChange();
  RefreshCompositionFlag();
  FlushUIElementCache();
  ForgetMenuPopupBackgrounds();
  UpdateRebarBackgrounds(true);
}

void OnHostActivate(HWND window, WPARAM wParam) {
  const uint8_t inactive = LOBYTE(LOWORD(wParam)) == WA_INACTIVE ? 0xFF : 0;
  std::vector<HWND> bars;
  {
    LockGuard lock(Locks().menu);
    if (!lock) return;
    for (MenuExRecord& record : MenuExList())
      if (record.ownerWindow == window) {
        record.windowInactive = inactive;
        AddOnce(bars, record.BarWindow());
      }
  }
  for (HWND bar : bars)
    if (IsWindow(bar)) RedrawWindow(bar, nullptr, nullptr, kRedrawBar);
}

void OnHostSizing(HWND window) {
  CommandBarState().settings.hostSizingFlag = -1;
  for (HWND toolbar : GrandchildToolbars(window)) SetComposited(toolbar, true);
}

void OnHostExitSizeMove(HWND window) {
  for (HWND toolbar : GrandchildToolbars(window)) {
    SetComposited(toolbar, false);
    RedrawWindow(toolbar, nullptr, nullptr, kRedrawAfterSizing);
  }
  CommandBarState().settings.hostSizingFlag = 0;
}

bool OnHostSettingChange(WPARAM wParam) {
  if (wParam == SPI_SETDROPSHADOW) {
    SystemParametersInfoW(SPI_GETDROPSHADOW, 0, &Globals().dropShadowSetting, 0);
    return false;
  }
  if (wParam != SPI_SETNONCLIENTMETRICS) return false;
  FlushUIElementCache();
  ForgetMenuPopupBackgrounds();
  // A font the application chose stays; the library's own follows the system.
  RefreshMenuExFontFromMetrics();
  std::vector<HWND> bars;
  {
    LockGuard lock(Locks().menu);
    if (lock)
      for (const MenuExRecord& record : MenuExList())
        if (record.popupMarker == 0 && (record.kind == MenuExKind::BareBar || record.kind == MenuExKind::Title))
          AddOnce(bars, record.BarWindow());
  }
  // Titles are measured again with the font in force, outside the lock: sizing a
  // button sends the bar messages.
  for (HWND bar : bars) ResizeMenuBarButton(bar);
  return true;
}

}  // namespace kelvra
