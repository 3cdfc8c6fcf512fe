// CallWndProcHook and its installation: registers every window created on the
// hooked thread in the WindowMap and subclasses it, and subclasses the system's
// popup menu windows while a MenuEx menu is tracked.
#include "core/windows/creation_hook.h"

#include <commctrl.h>

#include <string_view>

#include "commandbars/menu_tracking_state.h"
#include "commandbars/popup_menu_window_proc.h"
#include "core/windows/common_subclass_proc.h"
#include "core/platform/dwm_api.h"
#include "core/library/library_globals.h"
#include "core/shadow/menu_shadow_registry.h"
#include "core/library/reentrant_lock.h"
#include "core/windows/window_map.h"

namespace kelvra {

namespace {

constexpr std::wstring_view kPopupMenuClass = L"#32768";

struct ClassName {
  explicit ClassName(HWND window) {
    const int length = GetClassNameW(window, buffer, 64);
    view = std::wstring_view(buffer, length > 0 ? static_cast<std::size_t>(length) : 0);
  }
  wchar_t buffer[64];
  std::wstring_view view;
};

// Message-only windows hang below the system's message root instead of the
// desktop: their parent chain ends in a window that has no parent and is not the
// desktop (Wine answers no class name for that root; Windows calls it "Message").
bool IsMessageOnlyWindow(HWND window) {
  const HWND desktop = GetDesktopWindow();
  HWND top = window;
  HWND up = GetAncestor(top, GA_PARENT);
  for (; up && up != desktop; up = GetAncestor(top, GA_PARENT)) top = up;
  return !up && top != window;
}

bool CompositionOn() { return Dwm().compositionEnabled != FALSE; }

// While the menu's background cache watches for repaints under the first popup,
// a paint or notification to a window that the popup overlaps marks it.
void WatchMenuBackgroundCache(const CWPSTRUCT& message) {
  auto& tracking = MenuTracking();
  if (tracking.backgroundCacheInUse != 1 || CompositionOn()) return;
  if (message.message != WM_PAINT && message.message != WM_NOTIFY) return;
  if (tracking.backgroundCacheFilled != -1 || !tracking.firstPopupWindow) return;
  if (ClassName(message.hwnd).view == kPopupMenuClass) return;
  RECT window{}, popup{}, overlap{};
  if (!GetWindowRect(message.hwnd, &window) || !GetWindowRect(tracking.firstPopupWindow, &popup)) return;
  if (IntersectRect(&overlap, &window, &popup)) tracking.backgroundCacheFilled = 1;
}

void SubclassPopupMenuWindow(HWND popup) {
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

void RegisterWindow(HWND window, std::wstring_view className) {
  {
    LockGuard guard(Locks().windowMap);
    if (!guard) return;
    WindowMapEntry& entry = GetWindowMap().Add(window);
    entry.kind = ClassifyWindow(window);
    if (entry.kind == WindowKindPanelEx) entry.transparentChild = 1;
    // Never subclass twice: the saved procedure would then be our own.
    const auto current = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
    if (current != CommonSubclassProc) {
      entry.savedProcedure = reinterpret_cast<WNDPROC>(
          SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CommonSubclassProc)));
    }
  }
  if (className == L"ToolbarWindow32")
    SetWindowLongW(window, GWL_STYLE, GetWindowLongW(window, GWL_STYLE) | CCS_NODIVIDER);
}

void OnCreate(HWND window) {
  const ClassName className(window);
  const bool tracking = MenuTracking().trackedMenu != nullptr;
  if (className.view == kPopupMenuClass) {
    if (tracking) SubclassPopupMenuWindow(window);
    return;
  }
  if (className.view == L"SysShadow" && tracking) {
    // The system's menu shadow gives way to the library's.
    DestroyWindow(window);
    return;
  }
  if (IsUnmappedWindowClass(className.view) || IsMessageOnlyWindow(window)) return;
  RegisterWindow(window, className.view);
}

// A handle is reused once its window is gone: an entry still under it belongs to
// a dead window, whose limits must not reach the new one.
void DropStaleEntry(HWND window) {
  LockGuard guard(Locks().windowMap);
  if (guard) GetWindowMap().Remove(window);
}

// Windows the hook never subclassed (LimitWindowSize on them alone) get no
// WM_NCDESTROY through CommonSubclassProc; their entries go here.
void DropUnsubclassedEntry(HWND window) {
  LockGuard guard(Locks().windowMap);
  if (!guard) return;
  const WindowMapEntry* entry = GetWindowMap().Find(window);
  if (entry && !entry->savedProcedure) GetWindowMap().Remove(window);
}

void OnMessage(const CWPSTRUCT& message) {
  switch (message.message) {
    case WM_NCCREATE: DropStaleEntry(message.hwnd); break;
    case WM_CREATE: OnCreate(message.hwnd); break;
    case WM_DESTROY:
      if (ClassName(message.hwnd).view == kPopupMenuClass) RemoveMenuShadows(message.hwnd);
      break;
    case WM_NCDESTROY: DropUnsubclassedEntry(message.hwnd); break;
    default: break;
  }
}

}  // namespace

LRESULT CALLBACK CallWndProcHook(int code, WPARAM wParam, LPARAM lParam) {
  try {
    // Negative codes must go straight on; only HC_ACTION carries a message.
    const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code >= 0 && message) {
      WatchMenuBackgroundCache(*message);
      if (code == HC_ACTION) OnMessage(*message);
    }
  } catch (...) {
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

bool InstallCallWndProcHook() {
  auto& globals = Globals();
  if (globals.callWndProcHook) return true;
  globals.callWndProcHook = SetWindowsHookExW(WH_CALLWNDPROC, CallWndProcHook, nullptr, GetCurrentThreadId());
  if (globals.callWndProcHook) globals.hookThreadId = GetCurrentThreadId();
  return globals.callWndProcHook != nullptr;
}

}  // namespace kelvra
