// What the rebar tests share: a started library, a shown top-level window with a
// child host that records the rebar height message, and plain band children.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "commandbars/rebar/rebar_registry.h"
#include "core/library/library_messages.h"
#include "kelvra.h"
#include "tests/panels/panel/panel_test_support.h"
#include "tests/support/win_test_helpers.h"

namespace kelvra::test {

// Who got RebarHeightChangedMessage, in order: 'c' the callback, 't' the
// top-level window, 'p' the host (the rebar's parent), with the height.
struct HeightNotice {
  char who;
  int height;
  HWND rebar;
};
inline std::vector<HeightNotice>& HeightNotices() {
  static std::vector<HeightNotice> notices;
  return notices;
}

inline LRESULT CALLBACK HeightCallback(HWND, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == RebarHeightChangedMessage)
    HeightNotices().push_back({'c', static_cast<int>(wParam), reinterpret_cast<HWND>(lParam)});
  return 0;
}
inline LRESULT CALLBACK OtherCallback(HWND, UINT, WPARAM, LPARAM) { return 0; }

inline LRESULT CALLBACK RecordingTopProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == RebarHeightChangedMessage) {
    HeightNotices().push_back({'t', static_cast<int>(wParam), reinterpret_cast<HWND>(lParam)});
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}
inline LRESULT CALLBACK RecordingHostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == RebarHeightChangedMessage) {
    HeightNotices().push_back({'p', static_cast<int>(wParam), reinterpret_cast<HWND>(lParam)});
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

inline std::string Who() {
  std::string who;
  for (const HeightNotice& n : HeightNotices()) who += n.who;
  return who;
}

inline int BandCount(HWND rebar) { return static_cast<int>(SendMessageW(rebar, RB_GETBANDCOUNT, 0, 0)); }
inline REBARBANDINFOW BandInfo(HWND rebar, int index, UINT mask) {
  REBARBANDINFOW info{};
  info.cbSize = 80;
  info.fMask = mask;
  SendMessageW(rebar, RB_GETBANDINFOW, index, reinterpret_cast<LPARAM>(&info));
  return info;
}
inline std::vector<int> BandIds(HWND rebar) {
  std::vector<int> ids;
  for (int i = 0; i < BandCount(rebar); ++i) ids.push_back(static_cast<int>(BandInfo(rebar, i, RBBIM_ID).wID));
  return ids;
}
inline RECT BandRect(HWND rebar, int index) {
  RECT rect{};
  SendMessageW(rebar, RB_GETRECT, index, reinterpret_cast<LPARAM>(&rect));
  return rect;
}

// A child host 600 x 300 on a shown top-level window; children of both go at
// the end of each test with every rebar.
class RebarTest : public testing::Test {
 protected:
  void SetUp() override {
    EnsureStarted();
    top_ = TopWindow();
    ShowWindow(top_, SW_SHOWNA);
    host_ = std::make_unique<TestWindow>(RegisterTestWindowClass(L"KelvraRebarTestHost", RecordingHostProc),
                                         WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 600, 300, top_);
    HeightNotices().clear();
  }
  void TearDown() override {
    FreeRebar(-1);
    children_.clear();
    host_.reset();
    HeightNotices().clear();
  }

  static HWND TopWindow() {
    static HWND top = CreateWindowExW(0, RegisterTestWindowClass(L"KelvraRebarTestTop", RecordingTopProc), L"",
                                      WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 640, 480, nullptr, nullptr,
                                      GetModuleHandleW(nullptr), nullptr);
    return top;
  }

  HWND Child(int width = 80, int height = 22, HWND parent = nullptr) {
    children_.push_back(std::make_unique<TestWindow>(PlainWindowClass(), WS_CHILD | WS_VISIBLE, 0, 0, width, height,
                                                     parent ? parent : host_->get()));
    return *children_.back();
  }
  // A rebar on the host with `count` bands of plain children 22 high.
  HWND MakeRebar(int count = 3, int flags = 0, HBITMAP background = nullptr) {
    const int made = CreateRebar(-1, *host_, background, flags, 0);
    HWND rebar = RebarID(made);
    for (int i = 0; i < count; ++i) AddRebarGadget(Child(), L"", 150, 20, 0, nullptr, 0);
    return rebar;
  }
  int Key(HWND window) { return static_cast<int>(reinterpret_cast<intptr_t>(window)); }

  HWND top_ = nullptr;
  std::unique_ptr<TestWindow> host_;
  std::vector<std::unique_ptr<TestWindow>> children_;
};

}  // namespace kelvra::test
