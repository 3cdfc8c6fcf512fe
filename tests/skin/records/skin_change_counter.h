// A hidden top-level test window (a visible one takes Wine about two seconds to
// destroy without a window manager) with one child that counts the
// SkinChangedMessage (wParam 0) calls it receives and keeps the last lParam.
#pragma once

#include <windows.h>

#include "core/library/library_messages.h"
#include "tests/support/win_test_helpers.h"

namespace kelvra::test {

class SkinChangeCounter {
 public:
  SkinChangeCounter() {
    static const wchar_t* const cls = RegisterTestWindowClass(L"KelvraSkinChangeCounter", Proc);
    top_ = CreateWindowExW(0, PlainWindowClass(), L"", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                           nullptr, GetModuleHandleW(nullptr), nullptr);
    CreateWindowExW(0, cls, L"", WS_CHILD | WS_VISIBLE, 0, 0, 50, 50, top_, nullptr, GetModuleHandleW(nullptr),
                    nullptr);
    count = 0;
    lastLParam = -1;
  }
  ~SkinChangeCounter() { DestroyWindow(top_); }
  SkinChangeCounter(const SkinChangeCounter&) = delete;
  SkinChangeCounter& operator=(const SkinChangeCounter&) = delete;

  static inline int count = 0;
  static inline LPARAM lastLParam = -1;

 private:
  static LRESULT CALLBACK Proc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == SkinChangedMessage && wp == 0) {
      ++count;
      lastLParam = lp;
    }
    return DefWindowProcW(w, msg, wp, lp);
  }
  HWND top_ = nullptr;
};

}  // namespace kelvra::test
