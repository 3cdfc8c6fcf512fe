// InvalidatePanelExPage, RedrawPanelExPage and the ancestor walks they use.
#include "panels/page/page_invalidation.h"

#include "core/library/reentrant_lock.h"
#include "core/windows/window_map.h"
#include "panels/page/page_brush_cache.h"
#include "panels/panel/panel_registry.h"

namespace kelvra {

namespace {

int32_t KindIn(HWND window) {
  const WindowMapEntry* entry = GetWindowMap().Find(window);
  return entry ? entry->kind : WindowKindOther;
}

// Invalidates `window` and validates its area in the outer page's panel, so that
// the outer page does not repaint under a window that repaints itself.
void RepaintOnItsOwn(HWND window) {
  RECT rect{};
  HWND host = nullptr;
  {
    LockGuard mapLock(Locks().windowMap);
    if (!mapLock) return;
    host = GetParent(GetTopPanelExPageAncestor(window));
    if (!host) return;
    GetWindowRect(window, &rect);
    MapWindowPoints(HWND_DESKTOP, host, reinterpret_cast<POINT*>(&rect), 2);
    ClipRectToRegisteredAncestors(rect, window, host);
  }
  InvalidateRect(window, nullptr, FALSE);
  ValidateRect(host, &rect);
}

// The visible size box of the current page of the panel `panelWindow`, or 0.
HWND VisibleSizeBoxOf(HWND panelWindow) {
  LockGuard panelLock(Locks().panel);
  if (!panelLock) return nullptr;
  const PanelExRecord* panel = PanelExList().FindByWindow(panelWindow);
  const PanelExPageRecord* page = panel ? panel->currentPage : nullptr;
  return page && page->sizeBox && IsWindowVisible(page->sizeBox) ? page->sizeBox : nullptr;
}

}  // namespace

HWND GetTopPanelExPageAncestor(HWND window) {
  HWND top = window;
  const HWND desktop = GetDesktopWindow();
  for (HWND w = GetAncestor(window, GA_PARENT); w && w != desktop; w = GetAncestor(w, GA_PARENT))
    if (KindIn(w) == WindowKindPanelExPage) top = w;
  return top;
}

void ClipRectToRegisteredAncestors(RECT& rect, HWND window, HWND target) {
  if (!target) target = GetParent(GetTopPanelExPageAncestor(window));
  const HWND desktop = GetDesktopWindow();
  for (HWND w = GetAncestor(window, GA_PARENT); w && w != desktop; w = GetAncestor(w, GA_PARENT)) {
    if (KindIn(w) != WindowKindPanelEx) continue;
    RECT client{};
    GetClientRect(w, &client);
    MapWindowPoints(w, target, reinterpret_cast<POINT*>(&client), 2);
    IntersectRect(&rect, &rect, &client);
  }
}

HWND InvalidatePanelExPage(HWND pageWindow) {
  HWND top = pageWindow, host = nullptr, sizeBox = nullptr;
  RECT rect{};
  {
    LockGuard panelLock(Locks().panel);
    LockGuard mapLock(Locks().windowMap);
    if (!panelLock || !mapLock) return pageWindow;
    top = GetTopPanelExPageAncestor(pageWindow);
    host = GetParent(top);
    const PanelExPageRecord* page = FindPanelExPageByWindow(pageWindow);
    const HWND panelWindow = page ? page->panelWindow : GetParent(pageWindow);
    GetClientRect(panelWindow, &rect);
    if (page) {
      // The panel's scroll bars repaint themselves.
      if (page->verticalBarOn) rect.right -= GetSystemMetrics(SM_CXHTHUMB);
      if (page->horizontalBarOn) rect.bottom -= GetSystemMetrics(SM_CYVTHUMB);
      if (page->sizeBox && IsWindowVisible(page->sizeBox)) sizeBox = page->sizeBox;
    }
    MapWindowPoints(panelWindow, host, reinterpret_cast<POINT*>(&rect), 2);
  }
  if (host) InvalidateRect(host, &rect, FALSE);
  if (sizeBox) InvalidateRect(sizeBox, nullptr, FALSE);
  EnumChildWindows(pageWindow, RedrawPanelExChildProc, 0);
  return top;
}

void RedrawPanelExPage(HWND pageWindow) {
  EmptyPageBrushCache();
  const HWND top = InvalidatePanelExPage(pageWindow);
  RECT rect{};
  GetClientRect(pageWindow, &rect);
  MapWindowPoints(pageWindow, top, reinterpret_cast<POINT*>(&rect), 2);
  RedrawWindow(top, &rect, nullptr, RDW_UPDATENOW);
}

BOOL CALLBACK RedrawPanelExChildProc(HWND child, LPARAM) {
  try {
    const int32_t kind = WindowKindOf(child);
    if (kind == WindowKindPanelEx) {
      if (HWND box = VisibleSizeBoxOf(child)) RepaintOnItsOwn(box);
    } else if (kind == WindowKindProgress) {
      RepaintOnItsOwn(child);
    } else if (kind != WindowKindPanelExPage && IsWindowVisible(child)) {
      // Clipped for the moment so that the invalidation stays within the child
      // itself; tab controls draw their pane under their children and keep theirs.
      const LONG style = GetWindowLongW(child, GWL_STYLE);
      const bool clip = kind != WindowKindTabControl;
      if (clip) SetWindowLongW(child, GWL_STYLE, style | WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
      RedrawWindow(child, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
      if (clip) SetWindowLongW(child, GWL_STYLE, style);
    }
  } catch (...) {
  }
  return TRUE;
}

}  // namespace kelvra
