// CallWndProcHook and its installation: registers every window created on the
// hooked thread in the WindowMap and subclasses it, and tells the menus about the
// popup menu windows and menu shadows the system makes.
#include "core/windows/creation_hook.h"

#include <commctrl.h>

#include <string_view>

#include "commandbars/commandbars_seam.h"
#include "core/library/library_globals.h"
#include "core/library/reentrant_lock.h"
#include "core/shadow/menu_shadow_registry.h"
#include "core/windows/common_subclass_proc.h"
#include "core/windows/window_class_name.h"
#include "core/windows/window_map.h"

namespace kelvra {

namespace {

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

void RegisterWindow(HWND window, std::wstring_view className) {
  {
    LockGuard guard(Locks().windowMap);
    if (!guard) return;
    WindowMapEntry& entry = GetWindowMap().Add(window);
    entry.kind = ClassifyWindow(window);
    if (entry.kind == WindowKindPanelEx) entry.transparentChild = 1;
    // Never subclass twice: the saved procedure would then be our own.
    if (const WNDPROC saved = InstallCommonSubclass(window)) entry.savedProcedure = saved;
  }
  if (className == L"ToolbarWindow32")
    SetWindowLongW(window, GWL_STYLE, GetWindowLongW(window, GWL_STYLE) | CCS_NODIVIDER);
}

void OnCreate(HWND window) {
  const WindowClassName className(window);
  // Menus own what the system makes for a tracked menu; neither is registered.
  if (className == kPopupMenuClass) return OnPopupMenuWindowCreated(window);
  if (className == L"SysShadow") return OnSystemShadowCreated(window);
  if (IsUnmappedWindowClass(className.view()) || IsMessageOnlyWindow(window)) return;
  RegisterWindow(window, className.view());
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
      if (WindowClassName(message.hwnd) == kPopupMenuClass) RemoveMenuShadows(message.hwnd);
      break;
    case WM_NCDESTROY: DropUnsubclassedEntry(message.hwnd); break;
    case WM_ACTIVATE:
    case WM_SETFOCUS: OnFocusSeenByCreationHook(); break;
    default: break;
  }
}

}  // namespace

LRESULT CALLBACK CallWndProcHook(int code, WPARAM wParam, LPARAM lParam) {
  try {
    // Negative codes must go straight on; only HC_ACTION carries a message.
    const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code >= 0 && message) {
      OnMessageSeenByCreationHook(message->hwnd, message->message);
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
