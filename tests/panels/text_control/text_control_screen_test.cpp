// What a text control shows on the screen once its page's painter has drawn it:
// the gradient page of style 0x2000 (and none without it), the parent's background
// through a control without one, and the background fill.
#include <gtest/gtest.h>

#include "tests/panels/text_control/text_control_test_support.h"
#include "tests/support/pointer_input.h"
#include "tests/support/screen_pixels.h"

namespace {

using namespace kelvra::test;

constexpr int W = 120, H = 60;

class TextScreen : public testing::Test {
 protected:
  void SetUp() override {
    EnsureStarted();
    ShowAndRaise(Host());
    MovePointerAway();
    gradient_ = CreateGradient(1, static_cast<int>(0xFFFF0000), static_cast<int>(0xFF0000FF));  // red to blue
  }
  void TearDown() override {
    FreeTextControlEx(-1);
    FreeGradient(gradient_);
  }
  static void Show(int control) {
    RefreshPanelEx(AsKey(ControlWindow(control)));
    PumpMessages();
  }
  static uint32_t At(int control, int x, int y) {
    Dib32 shown(W, H);
    CaptureClientArea(PageOf(control), shown);
    return shown.Pixel(x, y) & 0xFFFFFF;
  }
  static bool Reddish(uint32_t p) { return ((p >> 16) & 0xFF) > 200 && (p & 0xFF) < 60; }
  static bool Bluish(uint32_t p) { return (p & 0xFF) > 200 && ((p >> 16) & 0xFF) < 60; }

  HANDLE gradient_ = nullptr;
};

TEST_F(TextScreen, TheGradientIsThePageOnlyWithStyle2000) {
  const uint32_t ground = GetSysColor(COLOR_WINDOW);
  const uint32_t parent = ((ground & 0xFF) << 16) | (ground & 0xFF00) | ((ground >> 16) & 0xFF);
  const int shaded = TextControlEx(Host(), -1, 20, 20, W, H, L" ", 0x2000);
  const int plain = TextControlEx(Host(), -1, 200, 20, W, H, L" ", 0);
  for (int control : {shaded, plain}) ASSERT_EQ(SetTextControlExGradient(control, gradient_), 1);
  for (int control : {shaded, plain}) Show(control);
  EXPECT_TRUE(Reddish(At(shaded, W / 2, 0))) << std::hex << At(shaded, W / 2, 0);
  EXPECT_TRUE(Bluish(At(shaded, W / 2, H - 1))) << std::hex << At(shaded, W / 2, H - 1);
  // Without 0x2000 the gradient waits for the style, even after a repaint.
  EXPECT_EQ(At(plain, W / 2, 0), parent);
  EXPECT_EQ(At(plain, W / 2, H - 1), parent);
  // Gradient 0: no gradient, the parent's background (not a themed tab pane).
  ASSERT_EQ(SetTextControlExGradient(shaded, nullptr), 1);
  Show(shaded);
  EXPECT_EQ(At(shaded, W / 2, 0), parent);
  EXPECT_EQ(At(shaded, W / 2, H - 1), parent);
  // The style brings the gradient in.
  ASSERT_EQ(SetTextControlExStyle(plain, 0x2000), 1);
  Show(plain);
  EXPECT_TRUE(Reddish(At(plain, W / 2, 0)));
}

// Nothing but the window's own next paint shows a new control.
TEST_F(TextScreen, ANewControlIsDrawnByTheNextPaint) {
  RedrawWindow(Host(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  const int control = TextControlEx(Host(), -1, 20, 200, W, H, L"MMMM", 0);
  RedrawWindow(Host(), nullptr, nullptr, RDW_ALLCHILDREN | RDW_UPDATENOW);
  PumpMessages();
  Dib32 shown(W, H);
  CaptureClientArea(PageOf(control), shown);
  const uint32_t ground = shown.Pixel(W - 1, H - 1) & 0xFFFFFF;
  int inked = 0;
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) inked += (shown.Pixel(x, y) & 0xFFFFFF) != ground;
  EXPECT_GT(inked, 20);
}

TEST_F(TextScreen, TheFillCoversThePage) {
  const int control = TextControlEx(Host(), -1, 20, 100, W, H, L"filled", 0x1000);
  SetTextControlExColour(control, 0xFFFFFF, 0x00FF00);
  Show(control);
  EXPECT_EQ(At(control, 0, 0), 0x00FF00u);
  EXPECT_EQ(At(control, W - 1, H - 1), 0x00FF00u);
}

}  // namespace
