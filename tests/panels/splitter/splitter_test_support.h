// What the splitter tests share: the panel tests' started library and recording
// host, two gadgets per splitter, and the rectangles a user would see.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

#include "kelvra.h"
#include "panels/splitter/splitter_registry.h"
#include "tests/panels/panel/panel_test_support.h"
#include "tests/support/pointer_input.h"

namespace kelvra::test {

inline const SplitterExRecord* Splitter(int numberOrWindow) { return FindSplitterEx(numberOrWindow); }
inline HWND BarOf(int splitter) { return Splitter(splitter) ? Splitter(splitter)->bar : nullptr; }
inline HWND BarPageOf(int splitter) { return Splitter(splitter) ? Splitter(splitter)->barPage : nullptr; }
inline HWND ContainerPageOf(int splitter) { return Splitter(splitter) ? Splitter(splitter)->containerPage : nullptr; }

// "x,y wxh" of a window in its parent's client coordinates.
inline std::string Box(HWND window) {
  RECT r = WindowRectIn(window, GetParent(window));
  return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.right - r.left) + "x" +
         std::to_string(r.bottom - r.top);
}

// The bar's left or top in the container page, as the bar position attribute reads it.
inline int BarStart(int splitter) { return GetSplitterExAttribute(splitter, 512); }

// Splitters on the shown, raised host, each holding two plain child windows;
// every splitter goes at the end of each test.
class SplittersOnScreen : public testing::Test {
 protected:
  void SetUp() override {
    EnsureStarted();
    host_ = Host();
    ShowAndRaise(host_);
    MovePointerAway();
    first_ = MakeGadget();
    second_ = MakeGadget();
  }
  void TearDown() override {
    MovePointerAway();
    FreeSplitterEx(-1);
    first_.reset();
    second_.reset();
  }

  std::unique_ptr<TestWindow> MakeGadget() {
    return std::make_unique<TestWindow>(PlainWindowClass(), WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, host_);
  }
  // A splitter over the host's top-left 400 x 300 (by default) with the two gadgets.
  int Make(uintptr_t skin = 0, int flags = 0, int width = 400, int height = 300, int number = -1) {
    return SplitterEx(host_, number, 0, 0, width, height, *first_, *second_, reinterpret_cast<HANDLE>(skin), flags);
  }

  HWND host_ = nullptr;
  std::unique_ptr<TestWindow> first_, second_;
};

}  // namespace kelvra::test
