// Child windows the painter draws for: group boxes printed into the page's
// buffer, and static controls given the page's pixels behind them as brush.
#include <gtest/gtest.h>

#include "tests/panels/paint/page_paint_test_support.h"

namespace {

using namespace kelvra::test;

constexpr uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF;

using PageChildren = GdiPlusPageTest;

TEST_F(PageChildren, AGroupBoxIsDrawnIntoThePage) {
  TestPage page(Host(), 10, 10, 200, 100, Gradient(0, kGreen, kGreen));
  const HWND box = CreateWindowExW(0, L"BUTTON", L"Group", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 20, 10, 120, 60,
                                   page.page(), nullptr, nullptr, nullptr);
  const Dib32& painted = page.Painted();
  EXPECT_FALSE(IsWindowVisible(box));  // the page draws it now
  int frame = 0, outside = 0;
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 200; ++x) {
      const bool inBox = x >= 20 && x < 140 && y >= 10 && y < 70;
      (inBox ? frame : outside) += Rgb(painted.Pixel(x, y)) != Rgb(kGreen);
    }
  EXPECT_GT(frame, 100);  // its frame and caption
  EXPECT_EQ(outside, 0);
  // Its inside shows the page.
  EXPECT_EQ(Rgb(painted.Pixel(80, 45)), Rgb(kGreen));
  DestroyWindow(box);
}

TEST_F(PageChildren, StaticControlsGetThePixelsBehindThem) {
  TestPage page(Host(), 10, 10, 200, 100, Gradient(1, kRed, kBlue));
  const HWND label = CreateWindowExW(0, L"STATIC", L"label", WS_CHILD | WS_VISIBLE, 20, 30, 60, 20, page.page(),
                                     nullptr, nullptr, nullptr);
  // Before the page ever painted: it is drawn once to have the pixels.
  const auto first = BrushPixels(page.page(), label);
  EXPECT_EQ(Differing(*first, page.Painted(), {20, 30}), 0);
  // A resized page stretches its gradient: the brush follows.
  MoveWindow(page.panel(), 10, 10, 200, 200, TRUE);
  const Dib32& taller = page.Painted();
  const auto second = BrushPixels(page.page(), label);
  EXPECT_EQ(Differing(*second, taller, {20, 30}), 0);
  EXPECT_NE(Rgb(second->Pixel(0, 0)), Rgb(first->Pixel(0, 0)));
  DestroyWindow(label);
}

TEST_F(PageChildren, StaticControlsOnTranslucentPagesShowTheComposedPage) {
  ColouredParent parent(RGB(255, 0, 0), 0, 0, 250, 150);
  TestPage page(parent, 10, 10, 200, 100, Gradient(0, kGreen, kGreen));
  SetPanelExPageAlpha(page.number(), 0, 128, 1);
  const HWND label = CreateWindowExW(0, L"STATIC", L"label", WS_CHILD | WS_VISIBLE, 20, 30, 60, 20, page.page(),
                                     nullptr, nullptr, nullptr);
  page.Painted();
  const auto pixels = BrushPixels(page.page(), label);
  // Half green over red, not the emptied alpha buffer's black.
  EXPECT_TRUE(Near(pixels->Pixel(5, 5), 0xFF7F8000, 3)) << std::hex << pixels->Pixel(5, 5);
  DestroyWindow(label);
}

}  // namespace
