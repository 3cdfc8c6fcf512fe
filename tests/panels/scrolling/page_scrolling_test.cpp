// Page scrolling on real panels whose pages hold child windows: attribute
// combinations, bars on and off with the content, their places, the scroll
// messages of the panel, page switches and the scroll-bar box.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "tests/panels/scrolling/page_scroll_support.h"

namespace {

using namespace kelvra;
using namespace kelvra::test;

class PageScrolling : public ScrollingPanel {};

bool Visible(HWND window) { return window && IsWindowVisible(window); }

TEST_F(PageScrolling, AttributeCombinations) {
  struct Case {
    const char* name;
    std::function<void(PageScrolling&)> apply;  // children placed, then the calls made
    int horizontalOn, verticalOn, autoScroll;
    bool horizontalShown, verticalShown, boxShown;
  };
  const Case cases[] = {
      {"bit 16", [](PageScrolling& t) { t.Set(kHorizontal, 1); }, 1, 0, 0, true, false, false},
      {"bit 32", [](PageScrolling& t) { t.Set(kVertical, 1); }, 0, 1, 0, false, true, false},
      // Both asked at once: both bars and the box, children of the panel, and on.
      {"bits 16|32", [](PageScrolling& t) { t.Set(kHorizontal | kVertical, 1); }, 1, 1, 0, true, true, true},
      {"16|32, then 16 off",
       [](PageScrolling& t) {
         t.Set(kHorizontal | kVertical, 1);
         t.Set(kHorizontal, 0);
       },
       0, 1, 0, false, true, false},
      {"auto, large content",
       [](PageScrolling& t) {
         t.Child(0, 0, 400, 300);
         t.Set(kAuto, 1);
       },
       1, 1, 1, true, true, true},
      {"auto, content that fits",
       [](PageScrolling& t) {
         t.Child(0, 0, 50, 50);
         t.Set(kAuto, 1);
       },
       0, 0, 1, false, false, false},
      // Made visible by bits 16|32, then hidden by auto-scroll: not needed.
      {"16|32|64, content that fits",
       [](PageScrolling& t) {
         t.Child(0, 0, 50, 50);
         t.Set(kHorizontal | kVertical | kAuto, 1);
       },
       0, 0, 1, false, false, false},
      {"auto without the horizontal bar",
       [](PageScrolling& t) {
         t.Child(0, 0, 400, 300);
         t.Set(kAuto | kNoAutoHorizontal, 1);
       },
       0, 1, 1, false, true, false},
      {"on must be exactly 1", [](PageScrolling& t) { t.Set(kHorizontal | kVertical | kAuto, 2); }, 0, 0, 0, false,
       false, false},
      {"auto off again",
       [](PageScrolling& t) {
         t.Set(kAuto, 1);
         t.Set(kAuto, 0);
       },
       0, 0, 0, false, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TearDown();
    SetUp();
    c.apply(*this);
    EXPECT_EQ(c.horizontalOn, Get(kHorizontal));
    EXPECT_EQ(c.verticalOn, Get(kVertical));
    EXPECT_EQ(c.autoScroll, Get(kAuto));
    EXPECT_EQ(c.horizontalShown, Visible(Bar(true)));
    EXPECT_EQ(c.verticalShown, Visible(Bar(false)));
    EXPECT_EQ(c.boxShown, Visible(Box()));
    EXPECT_EQ(0, Get(kOnlyStored));
    EXPECT_EQ(0, Get(kNoAutoHorizontal));
    EXPECT_EQ(0, Get(3));
    // The bars that are on lie along the panel's right and bottom edges.
    const bool both = c.horizontalOn && c.verticalOn;
    if (c.horizontalOn && GetParent(Bar(true)) == panel_) {
      EXPECT_EQ(Rect(0, 100 - ty_, both ? 200 - tx_ : 200, ty_), Place(Bar(true)));
    }
    if (c.verticalOn && GetParent(Bar(false)) == panel_) {
      EXPECT_EQ(Rect(200 - tx_, 0, tx_, both ? 100 - ty_ : 100), Place(Bar(false)));
    }
    if (both) {
      EXPECT_EQ(Rect(200 - tx_, 100 - ty_, tx_, ty_), Place(Box()));
    }
  }
  EXPECT_EQ(0, SetPanelExPageScrolling(12345, 0, kHorizontal, 1));
  EXPECT_EQ(0, SetPanelExPageScrolling(number_, 7, kHorizontal, 1));
  EXPECT_EQ(0, GetPanelExPageScrolling(number_, 7, kAuto));
}

TEST_F(PageScrolling, SingleBarsBelongToThePageAndItsCallback) {
  CallbackRecorder().watched = {WM_HSCROLL};
  Set(kHorizontal, 1);
  HWND bar = Bar(true);
  ASSERT_TRUE(bar);
  EXPECT_EQ(page_, GetParent(bar));
  EXPECT_EQ(page_, GetParent(Box())) << "a hidden box is made first";
  EXPECT_FALSE(Visible(Box()));
  SCROLLINFO range{sizeof(range), SIF_RANGE | SIF_PAGE, 0, 500, 100, 0, 0};
  SetScrollInfo(bar, SB_CTL, &range, FALSE);
  // What the bar sends its parent reaches the callback, and the library does
  // not scroll with it.
  SendMessageW(page_, WM_HSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(bar));
  ASSERT_EQ(1u, CallbackRecorder().Of(WM_HSCROLL).size());
  EXPECT_EQ(page_, CallbackRecorder().Of(WM_HSCROLL)[0].window);
  EXPECT_EQ(0, Scroll(true, SB_LINEDOWN));
  EXPECT_EQ(0, Info(bar).nPos);
  EXPECT_EQ(0, PageOffset().x);
}

TEST_F(PageScrolling, BarsFollowTheContent) {
  HWND child = Child(0, 0, 200, 50);
  Set(kAuto, 1);
  // Exactly as wide as the panel: a bar, with one pixel of travel.
  EXPECT_EQ(1, Get(kHorizontal));
  EXPECT_EQ(0, Get(kVertical));
  EXPECT_EQ(200, Info(Bar(true)).nMax);
  EXPECT_EQ(200u, Info(Bar(true)).nPage);
  Scroll(true, SB_BOTTOM);
  EXPECT_EQ(1, Info(Bar(true)).nPos);
  EXPECT_EQ(-1, PageOffset().x);

  // Tall and narrow: only the vertical bar.
  MoveWindow(child, 0, 0, 40, 300, FALSE);
  ResizePanel(201, 100);
  EXPECT_EQ(1, Get(kVertical));
  EXPECT_EQ(0, Get(kHorizontal));
  // Slightly narrower than the panel, but the vertical bar is on: the width left
  // is W - tx, so the horizontal bar comes too.
  MoveWindow(child, 0, 0, 195, 300, FALSE);
  ResizePanel(202, 100);
  EXPECT_EQ(1, Get(kVertical));
  EXPECT_EQ(1, Get(kHorizontal));
  EXPECT_EQ(static_cast<UINT>(202 - tx_), Info(Bar(true)).nPage);
  EXPECT_EQ(static_cast<UINT>(100 - ty_), Info(Bar(false)).nPage);
  Scroll(false, SB_BOTTOM);
  EXPECT_GT(Info(Bar(false)).nPos, 0);

  // Shrunk below the panel: both bars go and the page is back at 0, 0.
  MoveWindow(child, 0, 0, 40, 40, FALSE);
  ResizePanel(200, 100);
  EXPECT_EQ(0, Get(kHorizontal));
  EXPECT_EQ(0, Get(kVertical));
  EXPECT_FALSE(Visible(Bar(true)));
  EXPECT_FALSE(Visible(Bar(false)));
  EXPECT_FALSE(Visible(Box()));
  EXPECT_EQ(0, PageOffset().x);
  EXPECT_EQ(0, PageOffset().y);
  EXPECT_EQ(0, Info(Bar(true)).nPos);
  EXPECT_EQ(0, Info(Bar(false)).nPos);

  // A child shown on the page grows the content at once.
  Child(0, 150, 20, 20);
  EXPECT_EQ(1, Get(kVertical));
  EXPECT_EQ(170, Info(Bar(false)).nMax);
}

TEST_F(PageScrolling, ScrollMessagesMoveThePage) {
  HWND child = Child(5, 5, 100, 1000);
  Set(kAuto, 1);
  ASSERT_EQ(1, Get(kVertical));
  ASSERT_EQ(0, Get(kHorizontal));
  const SCROLLINFO info = Info(Bar(false));
  ASSERT_EQ(1005, info.nMax);
  const int last = info.nMax - static_cast<int>(info.nPage) + 1;
  struct Step {
    int code, thumb, position;
  };
  const Step steps[] = {
      {SB_LINEDOWN, 0, 10},  {SB_LINEDOWN, 0, 20},     {SB_THUMBPOSITION, 4, 4}, {SB_LINEUP, 0, 0},
      {SB_LINEUP, 0, 0},     {SB_PAGEDOWN, 0, 100},    {SB_PAGEUP, 0, 0},        {SB_BOTTOM, 0, last},
      {SB_LINEDOWN, 0, last}, {SB_PAGEDOWN, 0, last},  {SB_THUMBTRACK, 500, 500}, {SB_TOP, 0, 0},
      {SB_ENDSCROLL, 0, 0},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(testing::Message() << "code " << s.code << " to " << s.position);
    EXPECT_EQ(0, Scroll(false, s.code, s.thumb));
    EXPECT_EQ(s.position, Info(Bar(false)).nPos);
    EXPECT_EQ(-s.position, PageOffset().y) << "the page lies minus the position down";
    EXPECT_EQ(0, PageOffset().x);
    EXPECT_EQ("5,5,105,1005", Text(WindowRectIn(child, page_))) << "children keep their page coordinates";
  }
  // Not the current page's bar, or a bar without auto-scroll: nothing happens.
  Scroll(false, SB_LINEDOWN);
  SendMessageW(panel_, WM_VSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(Box()));
  EXPECT_EQ(10, Info(Bar(false)).nPos);
  Set(kAuto, 0);
  Scroll(false, SB_LINEDOWN);
  EXPECT_EQ(10, Info(Bar(false)).nPos);
  EXPECT_EQ(-10, PageOffset().y);
}

TEST_F(PageScrolling, PageSwitchesHideAndRestoreTheBarsThatAreOn) {
  HWND second = AddPanelExPage(-1);
  ASSERT_TRUE(second);
  // A page that is not current gets its bars hidden, yet on.
  EXPECT_EQ(1, Set(kHorizontal | kVertical, 1, 1));
  EXPECT_EQ(1, Get(kHorizontal, 1));
  EXPECT_EQ(1, Get(kVertical, 1));
  EXPECT_FALSE(Visible(Bar(true, 1)));
  EXPECT_FALSE(Visible(Bar(false, 1)));

  EXPECT_EQ(-1, ShowPanelExPage(number_, 1));
  EXPECT_TRUE(Visible(Bar(true, 1)));
  EXPECT_TRUE(Visible(Bar(false, 1)));
  EXPECT_EQ(Rect(200 - tx_, 100 - ty_, tx_, ty_), Place(WithPage(second, [](const PanelExPageRecord& p) {
              return p.sizeBox;
            })));
  EXPECT_EQ(-1, ShowPanelExPage(number_, 0));
  EXPECT_FALSE(Visible(Bar(true, 1)));
  EXPECT_FALSE(Visible(Bar(false, 1)));
  EXPECT_EQ(-1, ShowPanelExPage(number_, 1));
  EXPECT_TRUE(Visible(Bar(true, 1)));
  EXPECT_TRUE(Visible(Bar(false, 1)));
}

TEST(ScrollbarBox, FillsWithTheButtonFace) {
  EnsureStarted();
  HWND box = createScrollbarBox(Host(), 300, 300, 1);
  ASSERT_TRUE(box);
  wchar_t name[64] = {};
  GetClassNameW(box, name, 64);
  EXPECT_STREQ(L"Kelvra_ScrollbarBox", name);
  RECT r{};
  GetClientRect(box, &r);
  EXPECT_EQ(GetSystemMetrics(SM_CXHTHUMB), r.right);
  EXPECT_EQ(GetSystemMetrics(SM_CYVTHUMB), r.bottom);
  EXPECT_TRUE(IsWindowVisible(box));
  // What it paints, printed into a bitmap.
  Dib32 dib(r.right, r.bottom, 0x00123456);
  RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  HDC screen = GetDC(box);
  BitBlt(dib.dc(), 0, 0, r.right, r.bottom, screen, 0, 0, SRCCOPY);
  ReleaseDC(box, screen);
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const uint32_t expected = (GetRValue(face) << 16) | (GetGValue(face) << 8) | GetBValue(face);
  EXPECT_EQ(expected, dib.Pixel(r.right / 2, r.bottom / 2) & 0xFFFFFF);
  DestroyWindow(box);

  EXPECT_FALSE(IsWindowVisible(createScrollbarBox(Host(), 0, 0, 0)));
  EXPECT_EQ(nullptr, createScrollbarBox(reinterpret_cast<HWND>(0x1234), 0, 0, 1));
}

}  // namespace
