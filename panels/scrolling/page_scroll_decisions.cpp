// Bars needed, their ranges and places, and the scroll-bar codes, as arithmetic.
#include "panels/scrolling/page_scroll_decisions.h"

#include <algorithm>

namespace kelvra {

namespace {

// One bar's on/off decision. `extent` and `panel` run along the bar; `otherOn`
// and `otherThickness` describe the crossing bar, which takes room from the panel.
ScrollBarChange DecideBar(bool wasOn, bool noAuto, int32_t extent, int32_t panel, bool otherOn,
                          int32_t otherThickness) {
  // ">=": content exactly as long as the panel still gets a bar (one pixel of range).
  const bool needed = extent >= panel || (otherOn && extent >= panel - otherThickness);
  ScrollBarChange change;
  change.on = wasOn;
  if (needed && !wasOn && !noAuto) {
    change.on = true;
    change.show = true;
  } else if (!needed && wasOn) {
    change.on = false;
    change.hide = true;
  }
  return change;
}

}  // namespace

PageScrollDecision DecidePageScrollBars(const PageScrollInput& in) {
  PageScrollDecision d;
  d.horizontal = DecideBar(in.horizontalOn, in.noAutoHorizontal, in.contentWidth, in.panelWidth, in.verticalOn,
                           in.barWidth);
  d.vertical = DecideBar(in.verticalOn, in.noAutoVertical, in.contentHeight, in.panelHeight, d.horizontal.on,
                         in.barHeight);
  if (d.horizontal.on) {
    d.horizontal.rangeMax = in.contentWidth;
    d.horizontal.page = in.panelWidth - (d.vertical.on ? in.barWidth : 0);
  }
  if (d.vertical.on) {
    d.vertical.rangeMax = in.contentHeight;
    d.vertical.page = in.panelHeight - (d.horizontal.on ? in.barHeight : 0);
  }
  return d;
}

ScrollBarsLayout LayoutScrollBars(int32_t w, int32_t h, int32_t tx, int32_t ty, bool horizontalOn, bool verticalOn) {
  ScrollBarsLayout layout;
  layout.placeHorizontal = horizontalOn;
  layout.placeVertical = verticalOn;
  layout.boxShown = horizontalOn && verticalOn;
  const int32_t shortW = layout.boxShown ? w - tx : w;
  const int32_t shortH = layout.boxShown ? h - ty : h;
  if (horizontalOn) layout.horizontal = {0, h - ty, shortW, ty};
  if (verticalOn) layout.vertical = {w - tx, 0, tx, shortH};
  if (layout.boxShown) layout.box = {w - tx, h - ty, tx, ty};
  return layout;
}

int32_t MaxScrollPosition(int32_t rangeMin, int32_t rangeMax, int32_t page) {
  // As a scroll bar clamps: the last position shows the range's end at the page's end.
  const int64_t last = page > 0 ? int64_t{rangeMax} - (page - 1) : rangeMax;
  return static_cast<int32_t>(std::max<int64_t>(rangeMin, last));
}

int32_t ClampScrollPosition(int32_t position, int32_t rangeMin, int32_t rangeMax, int32_t page) {
  return std::clamp(position, rangeMin, MaxScrollPosition(rangeMin, rangeMax, page));
}

ScrollMove DecideScroll(int32_t code, const ScrollBarState& bar) {
  const int32_t old = bar.position;
  ScrollMove move;
  move.position = old;
  // Towards the start the step is cut so the position never goes below nMin; the
  // content moves back by exactly what the position lost.
  auto backward = [&](int32_t step) {
    step = std::max(0, std::min(step, old - bar.rangeMin));
    move.changes = true;
    move.position = old - step;
    move.contentDelta = step;
  };
  // Towards the end the bar clamps the position; the content follows only forward.
  auto forward = [&](int64_t wanted) {
    const int64_t last = MaxScrollPosition(bar.rangeMin, bar.rangeMax, bar.page);
    move.changes = true;
    move.position = static_cast<int32_t>(std::clamp<int64_t>(wanted, bar.rangeMin, last));
    move.contentDelta = move.position > old ? -(move.position - old) : 0;
  };
  switch (code) {
    case kScrollThumbPosition:
    case kScrollThumbTrack:
      move.changes = true;
      move.position = bar.trackPosition;
      move.contentDelta = old - bar.trackPosition;
      break;
    case kScrollLineUp: backward(kScrollLinePixels); break;
    case kScrollPageUp: backward(bar.page); break;
    case kScrollLineDown: forward(int64_t{old} + kScrollLinePixels); break;
    case kScrollPageDown: forward(int64_t{old} + bar.page); break;
    case kScrollBottom: forward(bar.rangeMax); break;
    case kScrollTop:
      move.changes = true;
      move.position = bar.rangeMin;
      move.contentDelta = old > bar.rangeMin ? old - bar.rangeMin : 0;
      break;
    default: break;
  }
  return move;
}

}  // namespace kelvra
