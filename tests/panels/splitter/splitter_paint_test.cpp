// What a splitter shows on the screen: "syssplitter2skin"'s gripper in the
// button-face colour inside its frame (a colour background read as a solid
// gradient, which draws with visual styles on and off alike), and the office
// look following the colour-theme word. Also run without a visual style
// (variants.cmake).
#include <gtest/gtest.h>

#include <string>

#include "tests/panels/splitter/splitter_test_support.h"
#include "tests/support/screen_pixels.h"

namespace {

using namespace kelvra::test;

uint32_t Rgb(int r, int g, int b) { return (static_cast<uint32_t>(r) << 16) | (g << 8) | b; }

uint32_t SystemColour(int index) {
  const COLORREF c = GetSysColor(index);
  return Rgb(GetRValue(c), GetGValue(c), GetBValue(c));
}

bool Near(uint32_t a, uint32_t b, int tolerance) {
  for (int shift : {0, 8, 16}) {
    const int d = static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF);
    if (d > tolerance || d < -tolerance) return false;
  }
  return true;
}

class SplitterPaint : public SplittersOnScreen {
 protected:
  void TearDown() override {
    SetGlobalSkinColourTheme(nullptr);
    SplittersOnScreen::TearDown();
  }
  // What `window`'s client area shows at (x, y), RGB.
  static uint32_t Shown(HWND window, int x, int y) {
    RECT client{};
    GetClientRect(window, &client);
    Dib32 shown(client.right, client.bottom);
    CaptureClientArea(window, shown);
    return shown.Pixel(x, y) & 0xFFFFFF;
  }
  static void Paint(int splitter) {
    RefreshPanelEx(AsKey(SplitterExID(splitter)));
    PumpMessages();
  }
};

TEST_F(SplitterPaint, TheClassicGripperIsButtonFaceInItsFrame) {
  const int s = Make(1);
  Paint(s);
  const HWND barPage = BarPageOf(s);
  EXPECT_EQ(Shown(barPage, 2, 150), SystemColour(COLOR_BTNFACE)) << std::hex << Shown(barPage, 2, 150);
  EXPECT_EQ(Shown(barPage, 0, 150), SystemColour(COLOR_3DSHADOW)) << std::hex << Shown(barPage, 0, 150);
  // The stacked bar the same way round.
  SetSplitterExAttribute(s, 1, 1);
  Paint(s);
  EXPECT_EQ(Shown(barPage, 200, 2), SystemColour(COLOR_BTNFACE)) << std::hex << Shown(barPage, 200, 2);
}

TEST_F(SplitterPaint, TheOfficeLookFollowsTheColourTheme) {
  struct Case {
    const wchar_t* word;
    uint32_t top;  // the container's gradient at its top
  } cases[] = {
      {L"blue", Rgb(191, 219, 255)},
      {L"silver", Rgb(208, 212, 221)},
      {L"black", Rgb(83, 83, 83)},
  };
  const int s = Make(0x2000000);
  for (const Case& c : cases) {
    ASSERT_EQ(SetGlobalSkinColourTheme(c.word), 1);
    Paint(s);
    // The one-pixel gap of "first padding" between the left gadget and the bar.
    const uint32_t top = Shown(ContainerPageOf(s), 195, 0);
    EXPECT_TRUE(Near(top, c.top, 6)) << std::hex << top << " for " << std::string(c.word, c.word + wcslen(c.word));
  }
}

}  // namespace
