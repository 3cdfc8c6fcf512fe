// Bars needed, ranges, bar places and the scroll-bar codes, without windows.
#include <gtest/gtest.h>

#include <string>

#include "panels/scrolling/page_scroll_decisions.h"

namespace kelvra {
namespace {

constexpr int32_t kBar = 17;  // bar thickness used throughout

PageScrollInput Input(int32_t cw, int32_t ch, bool hOn = false, bool vOn = false) {
  PageScrollInput in;
  in.contentWidth = cw;
  in.contentHeight = ch;
  in.panelWidth = 200;
  in.panelHeight = 100;
  in.barWidth = kBar;
  in.barHeight = kBar;
  in.horizontalOn = hOn;
  in.verticalOn = vOn;
  return in;
}

TEST(PageScrollDecisions, BarsNeededAndTheirRanges) {
  struct Case {
    const char* name;
    PageScrollInput in;
    bool hOn, hShow, hHide, vOn, vShow, vHide;
    int32_t hMax, hPage, vMax, vPage;
  };
  PageScrollInput noAutoH = Input(400, 400);
  noAutoH.noAutoHorizontal = true;
  PageScrollInput noAutoHButOn = Input(400, 50, true, false);
  noAutoHButOn.noAutoHorizontal = true;
  const Case cases[] = {
      {"content fits", Input(199, 99), false, false, false, false, false, false, 0, 0, 0, 0},
      // ">=": content exactly as wide as the panel gets a bar with one pixel of range.
      {"exactly as wide", Input(200, 50), true, true, false, false, false, false, 200, 200, 0, 0},
      {"exactly as tall", Input(50, 100), false, false, false, true, true, false, 0, 0, 100, 100},
      // The shown vertical bar takes tx from the width the content must fit in.
      {"narrower, vertical on", Input(190, 300, false, true), true, true, false, true, false, false, 190, 200 - kBar,
       300, 100 - kBar},
      {"narrower, vertical off", Input(190, 50), false, false, false, false, false, false, 0, 0, 0, 0},
      // The horizontal decision comes first and the vertical one sees it.
      {"horizontal brings vertical", Input(300, 90), true, true, false, true, true, false, 300, 200 - kBar, 90,
       100 - kBar},
      {"both needed", Input(400, 400), true, true, false, true, true, false, 400, 200 - kBar, 400, 100 - kBar},
      {"shrunk: both hide", Input(10, 10, true, true), false, false, true, false, false, true, 0, 0, 0, 0},
      {"no automatic horizontal", noAutoH, false, false, false, true, true, false, 0, 0, 400, 100},
      // The flag only stops the library from showing it; a bar already on stays on.
      {"no automatic but on", noAutoHButOn, true, false, false, false, false, false, 400, 200, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const PageScrollDecision d = DecidePageScrollBars(c.in);
    EXPECT_EQ(c.hOn, d.horizontal.on);
    EXPECT_EQ(c.hShow, d.horizontal.show);
    EXPECT_EQ(c.hHide, d.horizontal.hide);
    EXPECT_EQ(c.vOn, d.vertical.on);
    EXPECT_EQ(c.vShow, d.vertical.show);
    EXPECT_EQ(c.vHide, d.vertical.hide);
    EXPECT_EQ(c.hMax, d.horizontal.rangeMax);
    EXPECT_EQ(c.hPage, d.horizontal.page);
    EXPECT_EQ(c.vMax, d.vertical.rangeMax);
    EXPECT_EQ(c.vPage, d.vertical.page);
  }
}

TEST(PageScrollDecisions, ExactlyWideContentHasOnePixelOfTravel) {
  const PageScrollDecision d = DecidePageScrollBars(Input(200, 50));
  EXPECT_EQ(1, MaxScrollPosition(0, d.horizontal.rangeMax, d.horizontal.page));
  EXPECT_EQ(1, ClampScrollPosition(50, 0, d.horizontal.rangeMax, d.horizontal.page));
  EXPECT_EQ(0, ClampScrollPosition(-5, 0, d.horizontal.rangeMax, d.horizontal.page));
  EXPECT_EQ(0, MaxScrollPosition(0, 100, 500)) << "a page larger than the range leaves no travel";
  EXPECT_EQ(100, MaxScrollPosition(0, 100, 0));
}

std::string Box(const ScrollBox& b) {
  return std::to_string(b.x) + "," + std::to_string(b.y) + " " + std::to_string(b.width) + "x" +
         std::to_string(b.height);
}

TEST(PageScrollDecisions, BarsAndBoxPlaces) {
  // A 200 x 100 panel, a vertical bar 17 wide and a horizontal bar 16 high.
  const ScrollBarsLayout none = LayoutScrollBars(200, 100, 17, 16, false, false);
  EXPECT_FALSE(none.placeHorizontal || none.placeVertical || none.boxShown);

  const ScrollBarsLayout h = LayoutScrollBars(200, 100, 17, 16, true, false);
  EXPECT_TRUE(h.placeHorizontal && !h.placeVertical && !h.boxShown);
  EXPECT_EQ("0,84 200x16", Box(h.horizontal));

  const ScrollBarsLayout v = LayoutScrollBars(200, 100, 17, 16, false, true);
  EXPECT_TRUE(v.placeVertical && !v.placeHorizontal && !v.boxShown);
  EXPECT_EQ("183,0 17x100", Box(v.vertical));

  const ScrollBarsLayout both = LayoutScrollBars(200, 100, 17, 16, true, true);
  EXPECT_TRUE(both.boxShown);
  EXPECT_EQ("0,84 183x16", Box(both.horizontal));
  EXPECT_EQ("183,0 17x84", Box(both.vertical));
  EXPECT_EQ("183,84 17x16", Box(both.box));
}

TEST(PageScrollDecisions, ScrollCodes) {
  // A bar over 0..1000 with a page of 100: the last position is 901.
  auto bar = [](int32_t position, int32_t track = 0) {
    ScrollBarState s;
    s.position = position;
    s.rangeMin = 0;
    s.rangeMax = 1000;
    s.page = 100;
    s.trackPosition = track;
    return s;
  };
  struct Case {
    const char* name;
    int32_t code;
    ScrollBarState state;
    bool changes;
    int32_t position, delta;
  };
  const Case cases[] = {
      {"line up at 4 moves 4", kScrollLineUp, bar(4), true, 0, 4},
      {"line up", kScrollLineUp, bar(50), true, 40, 10},
      {"line up at 0", kScrollLineUp, bar(0), true, 0, 0},
      {"page up cut at the start", kScrollPageUp, bar(30), true, 0, 30},
      {"page up", kScrollPageUp, bar(500), true, 400, 100},
      {"line down", kScrollLineDown, bar(50), true, 60, -10},
      {"line down clamps at the end", kScrollLineDown, bar(895), true, 901, -6},
      {"line down at the end", kScrollLineDown, bar(901), true, 901, 0},
      {"page down clamps", kScrollPageDown, bar(850), true, 901, -51},
      {"top", kScrollTop, bar(300), true, 0, 300},
      {"bottom", kScrollBottom, bar(300), true, 901, -601},
      // The thumb's 32-bit track position, not a 16-bit word of wParam.
      {"thumb past 65535", kScrollThumbTrack, ScrollBarState{70000, 0, 100000, 100, 99901}, true, 99901, -29901},
      {"thumb back", kScrollThumbPosition, bar(500, 20), true, 20, 480},
      {"end scroll", kScrollEnd, bar(500), false, 500, 0},
      {"unknown code", 99, bar(500), false, 500, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const ScrollMove move = DecideScroll(c.code, c.state);
    EXPECT_EQ(c.changes, move.changes);
    EXPECT_EQ(c.position, move.position);
    EXPECT_EQ(c.delta, move.contentDelta);
  }
}

}  // namespace
}  // namespace kelvra
