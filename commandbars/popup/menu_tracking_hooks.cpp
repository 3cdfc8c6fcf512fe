// The tracking hooks and the selection they follow.
#include "commandbars/popup/menu_tracking_hooks.h"

#include <windowsx.h>

#include "commandbars/commandbars_seam.h"
#include "commandbars/popup/menu_popup_record.h"
#include "commandbars/popup/menu_tracking_state.h"
#include "core/library/reentrant_lock.h"
#include "core/platform/win_handles.h"

namespace kelvra {

namespace {

// The menu-select flags of a highlighted owner-drawn item with a submenu.
constexpr UINT kHighlightedSubmenuFlags = MF_OWNERDRAW | MF_HILITE | MF_POPUP;

struct TrackingHooks {
  UniqueHook filter;
  UniqueHook mouse;
};

TrackingHooks& Hooks() {
  static auto& hooks = *new TrackingHooks;
  return hooks;
}

// Lies `point` in an open popup window of this tracking?
bool InOpenPopup(POINT point) {
  LockGuard guard(Locks().menu);
  if (!guard) return false;
  return PointInPopupRects(point, OpenPopupWindowRects());
}

void OnFilteredMessage(const MSG& message) {
  auto& tracking = MenuTracking();
  switch (message.message) {
    case WM_MOUSEMOVE: {
      // The menu loop gives its mouse messages screen points.
      const POINT point{GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)};
      if (point.x != tracking.lastMousePoint.x || point.y != tracking.lastMousePoint.y) {
        tracking.arrowUsed = 0;
        tracking.lastMousePoint = point;
        tracking.lastInput = 0;
      }
      if (tracking.trackedMenu) tracking.overPopup = InOpenPopup(point) ? 1 : 0;
      break;
    }
    case WM_KEYDOWN:
      switch (message.wParam) {
        case VK_DOWN:
        case VK_UP:
          tracking.keyboardNavigation = 1;
          tracking.arrowUsed = 1;
          break;
        case VK_LEFT:
        case VK_RIGHT:
          if (tracking.keyboardNavigation != -2) {
            tracking.keyboardNavigation = 1;
            if (message.wParam == VK_RIGHT && static_cast<UINT>(tracking.lastMenuSelectFlags) == kHighlightedSubmenuFlags) {
              tracking.submenuOpening = 1;
              tracking.openingSubmenu = tracking.lastSelectedSubmenu;
            }
          }
          break;
      }
      tracking.lastInput = 1;
      break;
    case WM_MENUSELECT:
      // The system sends it to the menu's owner rather than through this hook;
      // a system that queues it comes here.
      OnTrackedMenuSelect(message.hwnd, message.wParam, message.lParam);
      break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
      if (tracking.focusWindow && IsWindow(tracking.focusWindow)) SetFocus(tracking.focusWindow);
      tracking.keyboardNavigation = 0;
      break;
  }
}

}  // namespace

void OnTrackedMenuSelect(HWND, WPARAM wParam, LPARAM) {
  auto& tracking = MenuTracking();
  if (!tracking.trackedMenu) return;
  const UINT flags = HIWORD(wParam);
  tracking.lastMenuSelectFlags = static_cast<int32_t>(flags);
  if (!tracking.selectionBaseMenu) tracking.selectionBaseMenu = tracking.trackedMenu;
  // 0xFFFF with menu 0: the menu closes, nothing is selected.
  HMENU submenu = (flags == 0xFFFF || !IsMenu(tracking.selectionBaseMenu))
                      ? nullptr
                      : GetSubMenu(tracking.selectionBaseMenu, LOWORD(wParam));
  tracking.lastSelectedSubmenu = submenu;
  tracking.submenuOpening = submenu ? 1 : 0;
  if (submenu) tracking.openingSubmenu = submenu;
}

LRESULT CALLBACK PopupMenuFilterHookProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == MSGF_MENU && lParam) {
    try {
      OnFilteredMessage(*reinterpret_cast<const MSG*>(lParam));
    } catch (...) {
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK PopupMenuMouseHookProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && lParam && (wParam == WM_LBUTTONUP || wParam == WM_RBUTTONUP) &&
      MenuTracking().trackedMenu) {
    // Outside means outside every open popup of this tracking: a root item
    // clicked while (or after) a submenu was open keeps its command.
    const auto& event = *reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
    try {
      if (!InOpenPopup(event.pt)) EndMenu();
    } catch (...) {
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK ChevronMenuFilterHookProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == MSGF_MENU && lParam) {
    const MSG& message = *reinterpret_cast<const MSG*>(lParam);
    if (message.message == WM_LBUTTONDOWN) {
      auto& tracking = MenuTracking();
      // Signed: a monitor left of or above the primary has negative points.
      const POINT point{GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)};
      const RECT& chevron = tracking.chevronRect;
      const bool hit = point.x >= chevron.left && point.x <= chevron.right && point.y >= chevron.top &&
                       point.y <= chevron.bottom;
      tracking.chevronClick = hit ? -1 : 0;
    }
  }
  CallNextHookEx(nullptr, code, wParam, lParam);
  return 0;
}

void InstallTrackingHooks() {
  auto& hooks = Hooks();
  const DWORD thread = GetCurrentThreadId();
  if (!hooks.filter) hooks.filter.reset(SetWindowsHookExW(WH_MSGFILTER, PopupMenuFilterHookProc, nullptr, thread));
  if (!hooks.mouse) {
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&PopupMenuMouseHookProc), &module);
    hooks.mouse.reset(SetWindowsHookExW(WH_MOUSE_LL, PopupMenuMouseHookProc, module, 0));
  }
}

void RemoveTrackingHooks() {
  auto& hooks = Hooks();
  hooks.filter.reset();
  hooks.mouse.reset();
}

}  // namespace kelvra
