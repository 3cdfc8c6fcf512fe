// A scrolling page's content extent, its size and place in the panel, and its
// bars: which are on, their ranges, where they go and their repaint. All with
// PanelLock held, acting on the page record given.
#include <algorithm>

#include "core/library/reentrant_lock.h"
#include "panels/page_brush_cache.h"
#include "panels/page_content_tracking.h"
#include "panels/page_scroll_decisions.h"
#include "panels/page_scrolling.h"
#include "panels/panel_record.h"

namespace kelvra {

namespace {

SIZE ClientSize(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  return {r.right, r.bottom};
}

// The bars' thickness: the thumb metrics, not the scroll-bar ones.
int BarWidth() { return GetSystemMetrics(SM_CXHTHUMB); }
int BarHeight() { return GetSystemMetrics(SM_CYVTHUMB); }

void HideIfVisible(HWND window) {
  if (window && IsWindowVisible(window)) ShowWindow(window, SW_HIDE);
}

void SetBarPosition(HWND bar, int32_t position, bool redraw) {
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_POS;
  info.nPos = position;
  SetScrollInfo(bar, SB_CTL, &info, redraw);
}

int32_t BarPosition(HWND bar) {
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_POS;
  return GetScrollInfo(bar, SB_CTL, &info) ? info.nPos : 0;
}

// One bar's outcome of an update: shown, or scrolled back to 0 and hidden, and
// its range set, the content following the position the bar clamped to.
void ApplyBarChange(PanelExPageRecord& page, bool horizontal, const ScrollBarChange& change) {
  HWND bar = horizontal ? page.horizontalBar : page.verticalBar;
  int32_t& on = horizontal ? page.horizontalBarOn : page.verticalBarOn;
  int32_t& position = horizontal ? page.horizontalPosition : page.verticalPosition;
  auto moveContent = [&](int32_t delta) {
    if (delta) SizePanelExPageContent(page, horizontal ? delta : 0, horizontal ? 0 : delta);
  };
  if (change.show) {
    on = 1;
    // A page that is not current keeps its bars hidden until it is shown.
    if (bar && page.shown) ShowWindow(bar, SW_SHOWNA);
  } else if (change.hide) {
    if (bar) SetBarPosition(bar, 0, false);
    moveContent(position);
    position = 0;
    if (bar) ShowWindow(bar, SW_HIDE);
    on = 0;
  }
  if (!on || !bar) return;
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_RANGE | SIF_PAGE;
  info.nMin = 0;
  info.nMax = change.rangeMax;
  info.nPage = static_cast<UINT>(change.page > 0 ? change.page : 0);
  SetScrollInfo(bar, SB_CTL, &info, FALSE);
  const int32_t clamped = BarPosition(bar);
  moveContent(position - clamped);
  position = clamped;
}

}  // namespace

BOOL CALLBACK EnumPageChildrenProc(HWND child, LPARAM lParam) {
  auto* params = reinterpret_cast<PageChildrenParams*>(lParam);
  // EnumChildWindows walks every descendant; the style bit, not IsWindowVisible,
  // so that the children of a page that is not shown still count.
  if (!params || GetParent(child) != params->parent || !(GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE))
    return TRUE;
  RECT r{};
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, params->parent, reinterpret_cast<POINT*>(&r), 2);
  if (params->mode == 0) {
    if (r.left < params->left) params->left = r.left;
    if (r.top < params->top) params->top = r.top;
    if (r.right > params->right) params->right = r.right;
    if (r.bottom > params->bottom) params->bottom = r.bottom;
  } else if (params->mode == 1) {
    SetWindowPos(child, nullptr, r.left + params->left, r.top + params->top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE | SWP_NOCOPYBITS | SWP_NOOWNERZORDER |
                     SWP_NOSENDCHANGING);
  }
  return TRUE;
}

void RemeasurePanelExPageContent(PanelExPageRecord& page) {
  PageChildrenParams params{page.window, 0, 0, 0, 0, 0};
  EnumChildWindows(page.window, EnumPageChildrenProc, reinterpret_cast<LPARAM>(&params));
  // Only the far edges follow the children; the near ones stay where they were.
  page.contentExtent.right = params.right;
  page.contentExtent.bottom = params.bottom;
  SizePanelExPageContent(page, 0, 0);
}

void GrowPanelExPageContent(PanelExPageRecord& page, const RECT& childInPage) {
  if (childInPage.right > page.contentExtent.right) page.contentExtent.right = childInPage.right;
  if (childInPage.bottom > page.contentExtent.bottom) page.contentExtent.bottom = childInPage.bottom;
}

void SizePanelExPageContent(PanelExPageRecord& page, int dx, int dy) {
  EmptyPageBrushCache();
  const SIZE panel = ClientSize(page.panelWindow);
  const RECT& extent = page.contentExtent;
  const LONG w = std::max<LONG>(extent.right - extent.left, panel.cx);
  const LONG h = std::max<LONG>(extent.bottom - extent.top, panel.cy);
  RECT at{};
  GetClientRect(page.window, &at);
  MapWindowPoints(page.window, page.panelWindow, reinterpret_cast<POINT*>(&at), 2);
  // One pixel larger than the content each way; a negative dx moves the content left.
  SetWindowPos(page.window, nullptr, at.left + dx, at.top + dy, w + 1, h + 1,
               SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE | SWP_NOCOPYBITS | SWP_NOOWNERZORDER);
}

void UpdatePanelExPageScrollBars(PanelExPageRecord& page) {
  if (!page.autoScroll) return;
  const SIZE panel = ClientSize(page.panelWindow);
  PageScrollInput in;
  in.contentWidth = page.contentExtent.right - page.contentExtent.left;
  in.contentHeight = page.contentExtent.bottom - page.contentExtent.top;
  in.panelWidth = panel.cx;
  in.panelHeight = panel.cy;
  in.barWidth = BarWidth();
  in.barHeight = BarHeight();
  in.horizontalOn = page.horizontalBarOn != 0;
  in.verticalOn = page.verticalBarOn != 0;
  in.noAutoHorizontal = page.noAutoHorizontalBar != 0;
  in.noAutoVertical = page.noAutoVerticalBar != 0;
  const PageScrollDecision d = DecidePageScrollBars(in);
  ApplyBarChange(page, true, d.horizontal);
  ApplyBarChange(page, false, d.vertical);
}

void LayoutPanelExScrollBars(PanelExPageRecord& page) {
  const SIZE panel = ClientSize(page.panelWindow);
  const bool hOn = page.horizontalBarOn && page.horizontalBar;
  const bool vOn = page.verticalBarOn && page.verticalBar;
  const ScrollBarsLayout layout = LayoutScrollBars(panel.cx, panel.cy, BarWidth(), BarHeight(), hOn, vOn);
  auto place = [](HDWP batch, HWND window, const ScrollBox& b) {
    if (batch) return DeferWindowPos(batch, window, nullptr, b.x, b.y, b.width, b.height, SWP_NOREDRAW);
    SetWindowPos(window, nullptr, b.x, b.y, b.width, b.height, SWP_NOREDRAW);
    return HDWP{};
  };
  if (!layout.boxShown) {
    // No z-order flag: placing a bar also raises it above the page, which is made later.
    if (hOn) place(nullptr, page.horizontalBar, layout.horizontal);
    if (vOn) place(nullptr, page.verticalBar, layout.vertical);
    HideIfVisible(page.sizeBox);
    return;
  }
  if (page.sizeBox && page.shown && !IsWindowVisible(page.sizeBox)) ShowWindow(page.sizeBox, SW_SHOWNA);
  // All three in one batch; a failed batch (a bar gone) falls back to one move each.
  HDWP batch = BeginDeferWindowPos(3);
  batch = place(batch, page.horizontalBar, layout.horizontal);
  batch = place(batch, page.verticalBar, layout.vertical);
  if (page.sizeBox) batch = place(batch, page.sizeBox, layout.box);
  if (batch && EndDeferWindowPos(batch)) return;
  place(nullptr, page.horizontalBar, layout.horizontal);
  place(nullptr, page.verticalBar, layout.vertical);
  if (page.sizeBox) place(nullptr, page.sizeBox, layout.box);
}

void RedrawPanelExPageScrollBars(PanelExPageRecord& page) {
  const bool both = page.horizontalBarOn && page.verticalBarOn;
  for (HWND bar : {page.horizontalBarOn ? page.horizontalBar : nullptr, page.verticalBarOn ? page.verticalBar : nullptr,
                   both ? page.sizeBox : nullptr})
    if (bar) RedrawWindow(bar, nullptr, nullptr, RDW_INVALIDATE | RDW_NOERASE | RDW_UPDATENOW | RDW_NOFRAME);
}

}  // namespace kelvra
