// What explorer bars show on the screen, with a visual style and without (the
// classic variant, variants.cmake): the built-in skins' backgrounds, and the last
// frame of an animation with every group where it now is. Under Wine 8 the
// "explorerbar" theme does not open although a style is active, so the system
// skin's theme codes draw their classic faces in both runs. Reads the screen (run
// alone).
#include <gtest/gtest.h>

#include "tests/panels/explorer_bar/explorer_bar_test_support.h"
#include "tests/support/screen_pixels.h"

namespace {

using namespace kelvra;
using namespace kelvra::test;

constexpr COLORREF kWhite = RGB(255, 255, 255);

COLORREF Rgb(uint32_t pixel) { return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF); }

class ExplorerBarPaint : public BarsOnScreen {
 protected:
  // Makes a bar of `groups` groups of two items and lets it paint.
  int MakeBar(HANDLE skin, int groups) {
    const int bar = CreateExplorerBar(host_, -1, 10, 10, 220, 380, skin);
    for (int g = 0; g < groups; ++g) {
      AddExplorerBarGroup(L"Group");
      ExplorerBarItem(-1, L"First");
      ExplorerBarItem(-1, L"Second");
    }
    PumpMessagesFor(50);
    return bar;
  }
  // What the bar's client area shows at a point of its page (the page is not
  // scrolled: its coordinates are the bar's).
  static COLORREF At(int bar, POINT inPage) {
    Dib32 shot(220, 380);
    CaptureClientArea(ExplorerBarID(bar), shot);
    return Rgb(shot.Pixel(inPage.x, inPage.y));
  }
  static POINT Inside(HWND window, int dx, int dy) {
    const RECT r = InParent(window);
    return POINT{r.left + dx, r.top + dy};
  }
};

// "white;" is a colour: the bar and its bodies are white (a solid gradient), not
// the theme code it would read as an integer (nothing with a style, button face
// without).
TEST_F(ExplorerBarPaint, Office2007SkinsWhiteIsWhite) {
  const int bar = MakeBar(reinterpret_cast<HANDLE>(0x2000000), 1);
  EXPECT_EQ(At(bar, POINT{110, 300}), kWhite) << "the bar's page below its groups";
  EXPECT_EQ(At(bar, Inside(Body(bar, 0), 6, 4)), kWhite) << "a body's margin";
  EXPECT_NE(At(bar, Inside(Header(bar, 0), 4, 4)), kWhite) << "the header's own gradient";
}

// "sysxbarskin": the bar's page 1 (a highlight-text fill), bodies 3 (button face
// with a highlight-text box one pixel in from the left), headers 4 (button face).
TEST_F(ExplorerBarPaint, SystemSkinsThemeCodesTakeTheirClassicFaces) {
  const int bar = MakeBar(nullptr, 1);
  const COLORREF highlightText = GetSysColor(COLOR_HIGHLIGHTTEXT), face = GetSysColor(COLOR_BTNFACE);
  ASSERT_NE(highlightText, face);
  EXPECT_EQ(At(bar, POINT{5, 5}), highlightText) << "the bar's margin";
  EXPECT_EQ(At(bar, Inside(Body(bar, 0), 5, 5)), highlightText) << "inside a body's box";
  EXPECT_EQ(At(bar, Inside(Body(bar, 0), 0, 5)), face) << "a body's left column";
  EXPECT_EQ(At(bar, Inside(Header(bar, 0), 3, 3)), face) << "a header";
}

// The animation's frames each paint once (the thread's WM_SIZE is answered, the
// step message repaints): after the last one the screen shows the groups where
// they now are.
TEST_F(ExplorerBarPaint, TheLastFrameShowsEveryGroupInPlace) {
  const int bar = MakeBar(nullptr, 3);
  const COLORREF highlightText = GetSysColor(COLOR_HIGHLIGHTTEXT), face = GetSysColor(COLOR_BTNFACE);
  const int height = HeightOf(Body(bar, 0));
  const POINT oldHeader1 = Inside(Header(bar, 1), 3, 3), oldHeader2 = Inside(Header(bar, 2), 3, 3);
  ASSERT_EQ(At(bar, oldHeader1), face);

  SendMessageW(Group(bar, 0)->headerPage, WM_LBUTTONUP, 0, 0);  // the header's click
  ASSERT_TRUE(
      PumpUntil([&] { return HeightOf(Body(bar, 0)) == 0 && PageAlpha(Body(bar, 0)) == 0; }, kAnimationBound));
  PumpMessagesFor(50);
  ASSERT_EQ(InParent(Header(bar, 1)).top, oldHeader1.y - 3 - height);
  for (size_t g : {1, 2}) EXPECT_EQ(At(bar, Inside(Header(bar, g), 3, 3)), face) << "header " << g << " moved up";
  // Where the headers were, the bodies below them show now.
  EXPECT_EQ(At(bar, oldHeader1), highlightText);
  EXPECT_EQ(At(bar, oldHeader2), highlightText);
}

}  // namespace
