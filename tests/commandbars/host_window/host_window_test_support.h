// What the host-window tests share: a top-level host whose own procedure counts
// the messages of a chosen set and answers them with kOwnAnswer, so a test sees
// each reach it, and what the library then made of the result.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <map>

#include "kelvra.h"
#include "tests/support/pointer_input.h"
#include "tests/support/win_test_helpers.h"

namespace kelvra::test {

inline constexpr LRESULT kOwnAnswer = 0x5A5A;

struct OwnProcLog {
  std::map<UINT, int> counts;                    // messages of the set, by message
  std::function<void(HWND, UINT)> onMessage;     // called before the answer
};

inline OwnProcLog& OwnLog() {
  static OwnProcLog log;
  return log;
}

// The messages a host answers itself (the rest go to DefWindowProcW).
inline bool Answered(UINT message) {
  switch (message) {
    case WM_COMMAND: case WM_THEMECHANGED: case WM_DWMCOMPOSITIONCHANGED: case WM_ACTIVATE: case WM_SIZING:
    case WM_EXITSIZEMOVE: case WM_SIZE: case WM_SETTINGCHANGE: case WM_NOTIFY: case WM_MEASUREITEM:
    case WM_DRAWITEM: case WM_USER: return true;
    default: return false;
  }
}

inline LRESULT CALLBACK CountingHostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!Answered(message)) return DefWindowProcW(window, message, wParam, lParam);
  ++OwnLog().counts[message];
  if (OwnLog().onMessage) OwnLog().onMessage(window, message);
  return kOwnAnswer;
}

inline void EnsureHostTestsStarted() {
  static const bool started = [] {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    StartKelvra();
    return true;
  }();
  (void)started;
}

// A shown top-level window with CountingHostProc; destroyed with the object.
class CountingHost {
 public:
  explicit CountingHost(int width = 500, int height = 200)
      : window_(CreateWindowExW(0, RegisterTestWindowClass(L"KelvraCountingHost", CountingHostProc), L"",
                                WS_POPUP | WS_VISIBLE, 0, 0, width, height, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr)) {
    ShowAndRaise(window_);
    PumpMessages();
    OwnLog() = {};
  }
  ~CountingHost() {
    if (IsWindow(window_)) DestroyWindow(window_);
    OwnLog() = {};
  }
  CountingHost(const CountingHost&) = delete;
  CountingHost& operator=(const CountingHost&) = delete;
  operator HWND() const { return window_; }

 private:
  HWND window_;
};

inline HWND ToolbarWindow(int toolbar) { return ToolBarExID(toolbar); }
inline WNDPROC ProcedureOf(HWND window) { return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)); }
inline bool HasUpdateRegion(HWND window) { return GetUpdateRect(window, nullptr, FALSE) != FALSE; }

}  // namespace kelvra::test
