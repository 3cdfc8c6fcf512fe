// The scroll messages of a panel: its current page's own bars move the page
// within the panel, by line (10 pixels), by page (nPage), to the ends or with the
// thumb.
#include "core/library/reentrant_lock.h"
#include "panels/page_content_tracking.h"
#include "panels/page_invalidation.h"
#include "panels/page_scroll_decisions.h"
#include "panels/page_scrolling.h"
#include "panels/panel_registry.h"

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

}  // namespace

void ScrollPanelExPage(HWND panelWindow, UINT message, WPARAM wParam, LPARAM lParam) {
  const bool horizontal = message == WM_HSCROLL;
  const HWND bar = reinterpret_cast<HWND>(lParam);
  LockGuard lock(Locks().panel);
  if (!lock) return;
  PanelExRecord* panel = FindPanelExByWindow(panelWindow);
  PanelExPageRecord* page = panel ? panel->currentPage : nullptr;
  if (!page || !page->autoScroll || !bar || bar != (horizontal ? page->horizontalBar : page->verticalBar)) return;

  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_ALL;
  if (!GetScrollInfo(bar, SB_CTL, &info)) return;
  int32_t& stored = horizontal ? page->horizontalPosition : page->verticalPosition;
  ScrollBarState state;
  state.position = stored;
  state.rangeMin = info.nMin;
  state.rangeMax = info.nMax;
  state.page = static_cast<int32_t>(info.nPage);
  state.trackPosition = ThumbPosition(wParam, info);
  const ScrollMove move = DecideScroll(LOWORD(wParam), state);
  if (!move.changes) return;

  SCROLLINFO set{};
  set.cbSize = sizeof(set);
  set.fMask = SIF_POS;
  set.nPos = move.position;
  SetScrollInfo(bar, SB_CTL, &set, TRUE);
  // The bar has the last word on where its position may go.
  set.fMask = SIF_POS;
  GetScrollInfo(bar, SB_CTL, &set);
  const int32_t delta = set.nPos == move.position ? move.contentDelta : stored - set.nPos;
  stored = set.nPos;
  if (delta) SizePanelExPageContent(*page, horizontal ? delta : 0, horizontal ? 0 : delta);

  const HWND pageWindow = page->window;
  lock.Unlock();
  const HWND top = InvalidatePanelExPage(pageWindow);
  if (horizontal)
    RedrawWindow(pageWindow, nullptr, nullptr, RDW_ERASE | RDW_UPDATENOW | RDW_ERASENOW);
  else
    RedrawWindow(top, nullptr, nullptr, RDW_UPDATENOW);
}

}  // namespace kelvra
