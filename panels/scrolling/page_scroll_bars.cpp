// A scrolling page's content extent, its size and place in the panel, and its
// bars: which are on, their ranges, where they go and their repaint. Planned with
// PanelLock held from the page record, carried out by ApplyPageFit without it.
#include <algorithm>

#include "core/library/reentrant_lock.h"
#include "core/windows/windows_moved_together.h"
#include "panels/page/page_brush_cache.h"
#include "panels/scrolling/page_content_tracking.h"
#include "panels/scrolling/page_scroll_decisions.h"
#include "panels/scrolling/page_scrolling.h"
#include "panels/panel/panel_record.h"

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

// One bar's outcome of an update: shown, or scrolled back to 0 and hidden, and
// its range set, the content following the position clamped into the new range
// (as the bar clamps it).
void PlanBarChange(PanelExPageRecord& page, bool horizontal, const ScrollBarChange& change, PageFit& fit) {
  HWND bar = horizontal ? page.horizontalBar : page.verticalBar;
  int32_t& on = horizontal ? page.horizontalBarOn : page.verticalBarOn;
  int32_t& position = horizontal ? page.horizontalPosition : page.verticalPosition;
  PageFit::Bar& plan = horizontal ? fit.horizontal : fit.vertical;
  plan = PageFit::Bar{};
  plan.window = bar;
  auto moveContent = [&](int32_t delta) {
    if (delta) SizePanelExPageContent(page, horizontal ? delta : 0, horizontal ? 0 : delta, fit);
  };
  if (change.show) {
    on = 1;
    // A page that is not current keeps its bars hidden until it is shown.
    plan.show = bar && page.shown;
  } else if (change.hide) {
    plan.resetPosition = plan.hide = bar != nullptr;
    moveContent(position);
    position = 0;
    on = 0;
  }
  if (!on || !bar) return;
  const int32_t clamped = ClampScrollPosition(position, 0, change.rangeMax, change.page > 0 ? change.page : 0);
  plan.setRange = true;
  plan.rangeMax = change.rangeMax;
  plan.page = change.page > 0 ? change.page : 0;
  plan.position = clamped;
  moveContent(position - clamped);
  position = clamped;
}

void ApplyBar(const PageFit::Bar& bar) {
  if (!bar.window) return;
  if (bar.resetPosition) SetBarPosition(bar.window, 0, false);
  if (bar.hide) ShowWindow(bar.window, SW_HIDE);
  if (bar.show) ShowWindow(bar.window, SW_SHOWNA);
  if (!bar.setRange) return;
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMin = 0;
  info.nMax = bar.rangeMax;
  info.nPage = static_cast<UINT>(bar.page);
  info.nPos = bar.position;
  SetScrollInfo(bar.window, SB_CTL, &info, FALSE);
}

WindowMove MoveOf(HWND window, const ScrollBox& b) { return WindowMove{window, b.x, b.y, b.width, b.height}; }

void Place(HWND window, const ScrollBox& b) { SetWindowPos(window, nullptr, b.x, b.y, b.width, b.height, SWP_NOREDRAW); }

void ApplyLayout(const PageFit& fit) {
  const ScrollBarsLayout& layout = fit.layout;
  // No z-order flag: placing a bar also raises it above the page, which is made later.
  if (!layout.boxShown) {
    if (layout.placeHorizontal) Place(fit.horizontalBar, layout.horizontal);
    if (layout.placeVertical) Place(fit.verticalBar, layout.vertical);
    HideIfVisible(fit.sizeBox);
    return;
  }
  if (fit.showBox && !IsWindowVisible(fit.sizeBox)) ShowWindow(fit.sizeBox, SW_SHOWNA);
  // All three in one batch.
  const WindowMove moves[] = {MoveOf(fit.horizontalBar, layout.horizontal), MoveOf(fit.verticalBar, layout.vertical),
                              MoveOf(fit.sizeBox, layout.box)};
  MoveWindowsTogether(moves, SWP_NOREDRAW);
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
  if (r.left < params->left) params->left = r.left;
  if (r.top < params->top) params->top = r.top;
  if (r.right > params->right) params->right = r.right;
  if (r.bottom > params->bottom) params->bottom = r.bottom;
  return TRUE;
}

void RemeasurePanelExPageContent(PanelExPageRecord& page, PageFit& fit) {
  PageChildrenParams params{page.window, 0, 0, 0, 0};
  EnumChildWindows(page.window, EnumPageChildrenProc, reinterpret_cast<LPARAM>(&params));
  // Only the far edges follow the children; the near ones stay where they were.
  page.contentExtent.right = params.right;
  page.contentExtent.bottom = params.bottom;
  SizePanelExPageContent(page, 0, 0, fit);
}

void GrowPanelExPageContent(PanelExPageRecord& page, const RECT& childInPage) {
  if (childInPage.right > page.contentExtent.right) page.contentExtent.right = childInPage.right;
  if (childInPage.bottom > page.contentExtent.bottom) page.contentExtent.bottom = childInPage.bottom;
}

void SizePanelExPageContent(PanelExPageRecord& page, int dx, int dy, PageFit& fit) {
  fit.page = page.window;
  if (!fit.placePage) {
    // Where the page is now; later moves of the same fit add to it.
    RECT at{};
    GetClientRect(page.window, &at);
    MapWindowPoints(page.window, page.panelWindow, reinterpret_cast<POINT*>(&at), 2);
    fit.x = at.left;
    fit.y = at.top;
    fit.placePage = true;
  }
  // A negative dx moves the content left.
  fit.x += dx;
  fit.y += dy;
  const SIZE panel = ClientSize(page.panelWindow);
  const RECT& extent = page.contentExtent;
  // One pixel larger than the content each way.
  fit.width = std::max<LONG>(extent.right - extent.left, panel.cx) + 1;
  fit.height = std::max<LONG>(extent.bottom - extent.top, panel.cy) + 1;
}

void UpdatePanelExPageScrollBars(PanelExPageRecord& page, PageFit& fit) {
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
  PlanBarChange(page, true, d.horizontal, fit);
  PlanBarChange(page, false, d.vertical, fit);
}

void LayoutPanelExScrollBars(PanelExPageRecord& page, PageFit& fit) {
  const SIZE panel = ClientSize(page.panelWindow);
  const bool hOn = page.horizontalBarOn && page.horizontalBar;
  const bool vOn = page.verticalBarOn && page.verticalBar;
  fit.layOut = true;
  fit.layout = LayoutScrollBars(panel.cx, panel.cy, BarWidth(), BarHeight(), hOn, vOn);
  fit.horizontalBar = page.horizontalBar;
  fit.verticalBar = page.verticalBar;
  fit.sizeBox = page.sizeBox;
  fit.showBox = page.sizeBox && page.shown;
}

void RedrawPanelExPageScrollBars(const PanelExPageRecord& page, PageFit& fit) {
  const bool both = page.horizontalBarOn && page.verticalBarOn;
  fit.redraw[0] = page.horizontalBarOn ? page.horizontalBar : nullptr;
  fit.redraw[1] = page.verticalBarOn ? page.verticalBar : nullptr;
  fit.redraw[2] = both ? page.sizeBox : nullptr;
}

void RefitPanelExPage(PanelExPageRecord& page, PageFit& fit) {
  if (page.autoScroll) {
    SizePanelExPageContent(page, 0, 0, fit);
    UpdatePanelExPageScrollBars(page, fit);
  }
  if (!page.autoScroll && !page.horizontalBarOn && !page.verticalBarOn) return;
  LayoutPanelExScrollBars(page, fit);
  RedrawPanelExPageScrollBars(page, fit);
}

void ApplyPageFit(const PageFit& fit) {
  if (fit.placePage && fit.page) {
    EmptyPageBrushCache();
    SetWindowPos(fit.page, nullptr, fit.x, fit.y, fit.width, fit.height,
                 SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE | SWP_NOCOPYBITS | SWP_NOOWNERZORDER);
  }
  ApplyBar(fit.horizontal);
  ApplyBar(fit.vertical);
  if (fit.layOut) ApplyLayout(fit);
  for (HWND bar : fit.redraw)
    if (bar) RedrawWindow(bar, nullptr, nullptr, RDW_INVALIDATE | RDW_NOERASE | RDW_UPDATENOW | RDW_NOFRAME);
}

}  // namespace kelvra
