// The scroll messages of a panel: its current page's own bars move the page
// within the panel, by line (10 pixels), by page (nPage), to the ends or with the
// thumb.
#include "core/library/reentrant_lock.h"
#include "panels/scrolling/page_content_tracking.h"
#include "panels/page/page_invalidation.h"
#include "panels/scrolling/page_scroll_decisions.h"
#include "panels/scrolling/page_scrolling.h"
#include "panels/panel/panel_registry.h"

namespace kelvra {

namespace {

// The thumb's position as a 32-bit value. wParam carries only its low 16 bits,
// which wrap on content taller than 65,535 pixels; the bar's track position has
// all 32. A message made up by a program (no drag under way) carries a position
// the bar does not know: then its word is the position.
int32_t ThumbPosition(WPARAM wParam, const SCROLLINFO& info) {
  const int32_t word = HIWORD(wParam);
  return (info.nTrackPos & 0xFFFF) == word ? info.nTrackPos : word;
}

// The bar's own state, asked of the bar itself (for a bar control that is a
// message, sent to the bar's thread): never under a library lock.
bool ReadBar(HWND bar, SCROLLINFO& info) {
  info = SCROLLINFO{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_ALL;
  return GetScrollInfo(bar, SB_CTL, &info) != FALSE;
}

// The current page of the panel, when it auto-scrolls and `bar` is its bar of
// that direction; nullptr otherwise. PanelLock held.
PanelExPageRecord* PageScrolledBy(HWND panelWindow, bool horizontal, HWND bar) {
  PanelExRecord* panel = FindPanelExByWindow(panelWindow);
  PanelExPageRecord* page = panel ? panel->currentPage : nullptr;
  if (!page || !page->autoScroll || !bar || bar != (horizontal ? page->horizontalBar : page->verticalBar))
    return nullptr;
  return page;
}

}  // namespace

void ScrollPanelExPage(HWND panelWindow, UINT message, WPARAM wParam, LPARAM lParam) {
  const bool horizontal = message == WM_HSCROLL;
  const HWND bar = reinterpret_cast<HWND>(lParam);
  LockGuard lock(Locks().panel);
  // Only one of the page's own bars is asked for its state: a message made up by
  // a program may name any window.
  if (!lock || !PageScrolledBy(panelWindow, horizontal, bar)) return;
  lock.Unlock();
  SCROLLINFO info;
  if (!ReadBar(bar, info) || !lock.Relock()) return;
  PanelExPageRecord* page = PageScrolledBy(panelWindow, horizontal, bar);
  if (!page) return;

  int32_t& stored = horizontal ? page->horizontalPosition : page->verticalPosition;
  ScrollBarState state;
  state.position = stored;
  state.rangeMin = info.nMin;
  state.rangeMax = info.nMax;
  state.page = static_cast<int32_t>(info.nPage);
  state.trackPosition = ThumbPosition(wParam, info);
  const ScrollMove move = DecideScroll(LOWORD(wParam), state);
  if (!move.changes) return;
  // The bar has the last word on where its position may go (a thumb position
  // made up by a program may lie outside the range): it clamps as this does.
  const int32_t position = ClampScrollPosition(move.position, state.rangeMin, state.rangeMax, state.page);
  const int32_t delta = position == move.position ? move.contentDelta : stored - position;
  stored = position;
  PageFit fit;
  if (delta) SizePanelExPageContent(*page, horizontal ? delta : 0, horizontal ? 0 : delta, fit);
  const HWND pageWindow = page->window;
  lock.Unlock();

  SCROLLINFO set{};
  set.cbSize = sizeof(set);
  set.fMask = SIF_POS;
  set.nPos = position;
  SetScrollInfo(bar, SB_CTL, &set, TRUE);
  ApplyPageFit(fit);
  const HWND top = InvalidatePanelExPage(pageWindow);
  if (horizontal)
    RedrawWindow(pageWindow, nullptr, nullptr, RDW_ERASE | RDW_UPDATENOW | RDW_ERASENOW);
  else
    RedrawWindow(top, nullptr, nullptr, RDW_UPDATENOW);
}

}  // namespace kelvra
