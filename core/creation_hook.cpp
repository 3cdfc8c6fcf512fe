// CallWndProcHook and its installation.
#include "core/creation_hook.h"

#include "core/library_globals.h"

namespace kelvra {

LRESULT CALLBACK CallWndProcHook(int code, WPARAM wParam, LPARAM lParam) {
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
