// What a page does when a window on it moves, is shown on it or leaves it: keep
// the content extent, size and scroll bars of an auto-scrolling page current and
// repaint the page around the child. The shared subclass procedure calls these;
// panels/panels_seam.h says which come with WindowMapLock held. No library lock is
// held while the windows are moved.
#include "core/library/reentrant_lock.h"
#include "panels/scrolling/page_content_tracking.h"
#include "panels/page/page_invalidation.h"
#include "panels/paint/page_paint_state.h"
#include "panels/panels_seam.h"

namespace kelvra {

namespace {

// `child` appeared on (grow) or left (!grow) the page: refit the page, then
// repaint it around the child. The record is read and updated under PanelLock
// alone, taken only once the caller's WindowMapLock is let go (the subclass
// procedure takes the map lock first, the panel code the other way round); the
// windows are moved and repainted with neither held: moving the page reaches its
// panel's callback.
void RefitPageAfterShow(HWND pageWindow, HWND child, bool grow, LockGuard& windowMapLock) {
  windowMapLock.Unlock();
  PageFit fit;
  {
    LockGuard panelLock(Locks().panel);
    PanelExPageRecord* page = panelLock ? FindPanelExPageByWindow(pageWindow) : nullptr;
    if (!page) {
      panelLock.Unlock();
      windowMapLock.Relock();
      return;
    }
    if (PanelExPageAutoScrolls(*page)) {
      if (grow) {
        RECT rect{};
        GetClientRect(child, &rect);
        MapWindowPoints(child, pageWindow, reinterpret_cast<POINT*>(&rect), 2);
        GrowPanelExPageContent(*page, rect);
      } else {
        RemeasurePanelExPageContent(*page, fit);
      }
      RefitPanelExPage(*page, fit);
    }
  }
  ApplyPageFit(fit);
  InvalidatePanelExPage(pageWindow);
  RedrawWindow(pageWindow, nullptr, nullptr, RDW_ERASE | RDW_ALLCHILDREN);
  SetWindowPos(child, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  windowMapLock.Relock();
}

// An auto-scrolling current page measured again from its children and sized to
// them; `withBars`: its scroll bars fitted to the new content as well.
void RemeasureCurrentPage(HWND pageWindow, bool withBars) {
  PageFit fit;
  {
    LockGuard panelLock(Locks().panel);
    if (!panelLock) return;
    PanelExPageRecord* page = FindPanelExPageByWindow(pageWindow);
    if (!page || !PanelExPageAutoScrolls(*page) || !PanelExPageIsCurrent(*page)) return;
    RemeasurePanelExPageContent(*page, fit);
    if (withBars) RefitPanelExPage(*page, fit);
  }
  ApplyPageFit(fit);
}

}  // namespace

void OnPageChildMoved(HWND pageWindow) { RemeasureCurrentPage(pageWindow, false); }

void RefitPanelExPageToChildren(HWND pageWindow) { RemeasureCurrentPage(pageWindow, true); }

void OnChildShownOnPage(HWND page, HWND child, HWND oldParent, LockGuard& windowMapLock) {
  if (page) RefitPageAfterShow(page, child, true, windowMapLock);
  if (oldParent && windowMapLock.Held()) RefitPageAfterShow(oldParent, child, false, windowMapLock);
}

void OnPanelLeftPage(HWND panelWindow) {
  LockGuard panelLock(Locks().panel);
  if (panelLock) MarkPanelExPagesUnpainted(panelWindow);
}

}  // namespace kelvra
