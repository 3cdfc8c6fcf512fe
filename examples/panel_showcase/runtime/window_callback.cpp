// Window callbacks ride on a comctl32 window subclass, which stays correct
// whatever subclassed the window before or after it.
#include "runtime/window_callback.h"

#include <commctrl.h>

namespace showcase {

namespace {

constexpr UINT_PTR kSubclassId = 0x5343;  // one callback a window

LRESULT CALLBACK CallbackSubclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                  DWORD_PTR data) {
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(window, CallbackSubclass, kSubclassId);
    return DefSubclassProc(window, message, wParam, lParam);
  }
  LRESULT answer = kDefaultProcessing;
  try {
    answer = reinterpret_cast<WindowCallback>(data)(window, message, wParam, lParam);
  } catch (...) {
    answer = kDefaultProcessing;  // nothing may unwind into the system's dispatcher
  }
  if (answer != kDefaultProcessing) return answer;
  if (message == WM_CLOSE) {
    PostQuitMessage(0);
    return 0;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace

bool SetWindowCallback(HWND window, WindowCallback callback) {
  if (!IsWindow(window) || !callback) return false;
  return SetWindowSubclass(window, CallbackSubclass, kSubclassId, reinterpret_cast<DWORD_PTR>(callback)) != FALSE;
}

bool RemoveWindowCallback(HWND window) {
  return IsWindow(window) && RemoveWindowSubclass(window, CallbackSubclass, kSubclassId) != FALSE;
}

int RunEventLoop() {
  MSG message;
  BOOL got;
  while ((got = GetMessageW(&message, nullptr, 0, 0)) != 0) {
    if (got == -1) return -1;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace showcase
