// The decisions of page scrolling as plain arithmetic: which bars an
// auto-scrolling page needs and their ranges, where bars and box go, and what each
// scroll-bar code does to the position and the content. No windows here; the
// panel code applies the answers to the real bars and page.
#pragma once

#include <cstdint>

namespace kelvra {

// ---- Which bars are on, and their ranges

struct PageScrollInput {
  int32_t contentWidth = 0, contentHeight = 0;  // the content extent's size
  int32_t panelWidth = 0, panelHeight = 0;      // the panel's client size
  int32_t barWidth = 0;    // the vertical bar's width (and the box's)
  int32_t barHeight = 0;   // the horizontal bar's height (and the box's)
  bool horizontalOn = false, verticalOn = false;
  bool noAutoHorizontal = false, noAutoVertical = false;
};

struct ScrollBarChange {
  bool on = false;        // on after the decision
  bool show = false;      // was off, comes on: show it
  bool hide = false;      // was on, goes off: scroll back to 0 and hide it
  int32_t rangeMax = 0;   // nMax (nMin is 0), when on
  int32_t page = 0;       // nPage, when on
};

struct PageScrollDecision {
  ScrollBarChange horizontal, vertical;
};

// The horizontal bar is decided first; the vertical decision sees its outcome,
// and each bar's page is shortened by the other bar when that one ends up on.
PageScrollDecision DecidePageScrollBars(const PageScrollInput& input);

// ---- Where bars and box go, in the panel's client coordinates

struct ScrollBox {
  int32_t x = 0, y = 0, width = 0, height = 0;
};

struct ScrollBarsLayout {
  bool placeHorizontal = false, placeVertical = false;
  ScrollBox horizontal, vertical;
  bool boxShown = false;  // the box fills the corner only while both bars are on
  ScrollBox box;
};

ScrollBarsLayout LayoutScrollBars(int32_t panelWidth, int32_t panelHeight, int32_t barWidth,
                                  int32_t barHeight, bool horizontalOn, bool verticalOn);

// ---- What a scroll-bar code does

// The scroll-bar codes (the values of SB_LINEUP .. SB_ENDSCROLL).
enum ScrollCode : int32_t {
  kScrollLineUp = 0, kScrollLineDown = 1, kScrollPageUp = 2, kScrollPageDown = 3,
  kScrollThumbPosition = 4, kScrollThumbTrack = 5, kScrollTop = 6, kScrollBottom = 7,
  kScrollEnd = 8,
};

constexpr int32_t kScrollLinePixels = 10;

struct ScrollBarState {
  int32_t position = 0;       // the page's stored position
  int32_t rangeMin = 0, rangeMax = 0;
  int32_t page = 0;           // nPage
  int32_t trackPosition = 0;  // the thumb's 32-bit position while it is dragged
};

struct ScrollMove {
  bool changes = false;      // the position is set on the bar
  int32_t position = 0;      // the new position
  int32_t contentDelta = 0;  // how far the content moves (negative: left / up)
};

// The highest position a bar accepts: it keeps a whole page inside the range.
int32_t MaxScrollPosition(int32_t rangeMin, int32_t rangeMax, int32_t page);
int32_t ClampScrollPosition(int32_t position, int32_t rangeMin, int32_t rangeMax, int32_t page);

ScrollMove DecideScroll(int32_t code, const ScrollBarState& bar);

}  // namespace kelvra
