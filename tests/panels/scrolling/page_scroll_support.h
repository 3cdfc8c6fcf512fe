// What the page scrolling tests share: a panel on the host window with one page
// and windows placed on it, and the bars' rectangles and ranges as text.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "tests/panels/panel/panel_test_support.h"

namespace kelvra::test {

enum : int { kHorizontal = 16, kVertical = 32, kAuto = 64, kOnlyStored = 128, kHorizontalWindow = 256,
             kVerticalWindow = 512, kNoAutoHorizontal = 1024, kNoAutoVertical = 2048 };

// A 200 x 100 panel at (10, 10) on the host, with one page.
class ScrollingPanel : public testing::Test {
 public:
  void SetUp() override {
    EnsureStarted();
    number_ = CreatePanelEx(-1, Host(), 10, 10, 200, 100, RecordingCallback);
    ASSERT_NE(number_, 0);
    panel_ = PanelExID(number_, -1);
    page_ = AddPanelExPage(-1);
    ASSERT_TRUE(page_);
    tx_ = GetSystemMetrics(SM_CXHTHUMB);
    ty_ = GetSystemMetrics(SM_CYVTHUMB);
  }
  void TearDown() override {
    FreePanelEx(number_);
    CallbackRecorder() = Recorder{};
  }

  // A visible plain window on `page` (the panel's first page by default).
  HWND Child(int x, int y, int width, int height, HWND page = nullptr) {
    return CreateWindowExW(0, PlainWindowClass(), L"", WS_CHILD | WS_VISIBLE, x, y, width, height,
                           page ? page : page_, nullptr, GetModuleHandleW(nullptr), nullptr);
  }
  int Set(int attributes, int onOff, int page = 0) { return SetPanelExPageScrolling(number_, page, attributes, onOff); }
  int Get(int attribute, int page = 0) { return GetPanelExPageScrolling(number_, page, attribute); }
  HWND Bar(bool horizontal, int page = 0) {
    return reinterpret_cast<HWND>(static_cast<intptr_t>(Get(horizontal ? kHorizontalWindow : kVerticalWindow, page)));
  }
  HWND Box() { return WithPage(page_, [](const PanelExPageRecord& p) { return p.sizeBox; }); }
  // Where the page lies in its panel: minus the scroll positions.
  POINT PageOffset() {
    const RECT r = WindowRectIn(page_, panel_);
    return {r.left, r.top};
  }
  std::string Place(HWND window) { return window ? Text(WindowRectIn(window, GetParent(window))) : "none"; }
  std::string Rect(int x, int y, int w, int h) { return Text(RECT{x, y, x + w, y + h}); }
  SCROLLINFO Info(HWND bar) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    GetScrollInfo(bar, SB_CTL, &info);
    return info;
  }
  int Scroll(bool horizontal, int code, int thumb = 0) {
    return static_cast<int>(SendMessageW(panel_, horizontal ? WM_HSCROLL : WM_VSCROLL, MAKEWPARAM(code, thumb),
                                         reinterpret_cast<LPARAM>(Bar(horizontal))));
  }
  // Resizing the panel runs its WM_SIZE: pages fitted, bars updated and placed.
  void ResizePanel(int width, int height) { MoveWindow(panel_, 10, 10, width, height, TRUE); }

  int number_ = 0;
  HWND panel_ = nullptr, page_ = nullptr;
  int tx_ = 0, ty_ = 0;
};

}  // namespace kelvra::test
