// What the panel tests share: a started library, a host window that records what
// reaches it, a recording panel callback and a look at page records.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <cctype>
#include <string>
#include <vector>

#include "core/library/reentrant_lock.h"
#include "kelvra.h"
#include "panels/panel/panel_registry.h"
#include "tests/support/win_test_helpers.h"

namespace kelvra::test {

// StartKelvra hooks window creation on this thread: panels and pages then get
// their window map entries and the shared subclass procedure, as in a program.
inline void EnsureStarted() {
  static const bool started = [] {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_PROGRESS_CLASS | ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);
    StartKelvra();
    return true;
  }();
  (void)started;
}

struct Seen {
  HWND window;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

// Messages that reached a recording window or callback, and what it answers.
struct Recorder {
  std::vector<UINT> watched;
  std::vector<Seen> seen;
  std::function<LRESULT(const Seen&)> answer;  // 0 when unset
  std::function<void(const Seen&)> onSeen;     // runs first, for tests that act on a message

  LRESULT Take(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const Seen s{window, message, wParam, lParam};
    if (onSeen) onSeen(s);
    bool watch = false;
    for (UINT m : watched) watch |= m == message;
    if (!watch) return 0;
    seen.push_back(s);
    return answer ? answer(s) : 0;
  }
  std::vector<Seen> Of(UINT message) const {
    std::vector<Seen> result;
    for (const Seen& s : seen)
      if (s.message == message) result.push_back(s);
    return result;
  }
};

inline Recorder& CallbackRecorder() {
  static Recorder recorder;
  return recorder;
}
inline Recorder& ParentRecorder() {
  static Recorder recorder;
  return recorder;
}

inline LRESULT CALLBACK RecordingCallback(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallbackRecorder().Take(window, message, wParam, lParam);
}

inline LRESULT CALLBACK RecordingParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Recorder& recorder = ParentRecorder();
  for (UINT m : recorder.watched)
    if (m == message) return recorder.Take(window, message, wParam, lParam);
  return DefWindowProcW(window, message, wParam, lParam);
}

// A window class without a cursor, so that only pages set one.
inline const wchar_t* HostClass() {
  static const wchar_t* name = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = RecordingParentProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = L"KelvraPanelTestHost";
    RegisterClassExW(&wc);
    return L"KelvraPanelTestHost";
  }();
  return name;
}

// The program's visible top-level window at the screen's top-left corner, 500 x
// 400, made once: destroying a shown top-level window costs Wine about two seconds
// (it waits for a window manager that Xvfb does not run), so it goes at the end.
inline HWND Host() {
  static HWND host = [] {
    HWND window = CreateWindowExW(0, HostClass(), L"", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 500, 400,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    return window;
  }();
  return host;
}

inline HWND PanelWindow(int numberOrWindow) { return reinterpret_cast<HWND>(static_cast<intptr_t>(numberOrWindow)); }
inline int AsKey(HWND window) { return static_cast<int>(reinterpret_cast<intptr_t>(window)); }

// Reads a page record under PanelLock.
template <class Read>
auto WithPage(HWND page, Read&& read) {
  LockGuard lock(Locks().panel);
  return read(*FindPanelExPageByWindow(page));
}

inline RECT WindowRectIn(HWND window, HWND parent) {
  RECT rect{};
  GetWindowRect(window, &rect);
  MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

// A parameterised case's name for GoogleTest: its `name` with every character
// that is not a letter or digit made '_'.
struct CaseName {
  template <class Info>
  std::string operator()(const Info& info) const {
    std::string name = info.param.name;
    for (char& c : name)
      if (!isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
  }
};

// "left,top,right,bottom", for readable comparisons.
inline std::string Text(const RECT& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
         std::to_string(r.bottom);
}

inline std::string ClientText(HWND window) {
  RECT rect{};
  GetClientRect(window, &rect);
  return Text(rect);
}

}  // namespace kelvra::test
