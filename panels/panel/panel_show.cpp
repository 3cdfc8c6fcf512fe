// Showing a page: the panel's current page is hidden with its scroll bars, the
// new one shown with the bars that are on, fitted and repainted.
#include "core/library/reentrant_lock.h"
#include "panels/scrolling/page_content_tracking.h"
#include "panels/page/page_invalidation.h"
#include "panels/panel/panel_operations.h"
#include "panels/panel/panel_registry.h"
#include "panels/panel/panel_show.h"

namespace kelvra {

namespace {

struct Bars {
  HWND horizontal = nullptr, vertical = nullptr, sizeBox = nullptr;
};

Bars AllBars(const PanelExPageRecord& page) { return {page.horizontalBar, page.verticalBar, page.sizeBox}; }

// The bars that are on, and the size box when both are.
Bars BarsOn(const PanelExPageRecord& page) {
  Bars bars;
  if (page.horizontalBarOn) bars.horizontal = page.horizontalBar;
  if (page.verticalBarOn) bars.vertical = page.verticalBar;
  if (page.horizontalBarOn && page.verticalBarOn) bars.sizeBox = page.sizeBox;
  return bars;
}

void HideVisible(HWND window) {
  if (window && IsWindowVisible(window)) ShowWindow(window, SW_HIDE);
}

}  // namespace

int ShowPanelPage(PanelExRecord& panel, PanelExPageRecord& page, LockGuard& panelLock) {
  const HWND pageWindow = page.window;
  HWND oldWindow = nullptr;
  Bars oldBars;
  if (PanelExPageRecord* old = panel.currentPage; old && old != &page) {
    oldWindow = old->window;
    oldBars = AllBars(*old);
    old->shown = 0;
  }
  panel.currentPage = &page;
  panel.currentPageIndex = page.index;
  page.shown = -1;
  const Bars newBars = BarsOn(page);

  panelLock.Unlock();
  if (oldWindow) {
    ShowWindow(oldWindow, SW_HIDE);
    for (HWND bar : {oldBars.horizontal, oldBars.vertical, oldBars.sizeBox}) HideVisible(bar);
  }
  // Shown without drawing: the page is painted once, below, when it is fitted.
  SendMessageW(pageWindow, WM_SETREDRAW, FALSE, 0);
  ShowWindow(pageWindow, SW_SHOW);
  SendMessageW(pageWindow, WM_SETREDRAW, TRUE, 0);
  for (HWND bar : {newBars.horizontal, newBars.vertical}) {
    if (bar) ShowWindow(bar, SW_SHOWNA);
  }
  if (!panelLock.Relock()) return -1;

  PageFit fit;
  if (PanelExPageRecord* shown = FindPanelExPageByWindow(pageWindow)) RefitPanelExPage(*shown, fit);
  panelLock.Unlock();
  ApplyPageFit(fit);
  InvalidatePanelExPage(pageWindow);
  RedrawWindow(pageWindow, nullptr, nullptr, RDW_ERASE | RDW_UPDATENOW | RDW_ERASENOW);
  return -1;
}

int ShowPage(intptr_t panelKey, intptr_t pageKey) {
  LockGuard lock(Locks().panel);
  if (!lock) return 0;
  PanelExRecord* panel = FindPanelEx(panelKey);
  PanelExPageRecord* page = panel ? FindPanelExPage(*panel, pageKey) : nullptr;
  if (!page) return 0;
  return ShowPanelPage(*panel, *page, lock);
}

}  // namespace kelvra
