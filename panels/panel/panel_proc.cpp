// PanelExWindowProc: a panel fits its pages when it is resized, repaints after
// animation steps, reopens theme handles, passes notifications to its parent and
// lets the mouse through to its pages. No lock is held across a callback, a sent
// message or a window move; records are found again by window afterwards.
#include <vector>

#include "commandbars/commandbars_seam.h"
#include "core/library/library_messages.h"
#include "core/library/reentrant_lock.h"
#include "core/platform/uxtheme_api.h"
#include "core/platform/win_handles.h"
#include "panels/scrolling/page_content_tracking.h"
#include "panels/page/page_invalidation.h"
#include "panels/panel/panel_classes.h"
#include "panels/panel/panel_registry.h"

namespace kelvra {

namespace {

struct Call {
  HWND window;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

LRESULT Default(const Call& call) { return DefWindowProcW(call.window, call.message, call.wParam, call.lParam); }

bool IsPanel(HWND window) {
  LockGuard lock(Locks().panel);
  return lock && FindPanelExByWindow(window);
}

WNDPROC CallbackOf(HWND window) {
  LockGuard lock(Locks().panel);
  const PanelExRecord* panel = lock ? FindPanelExByWindow(window) : nullptr;
  return panel ? panel->callback : nullptr;
}

HWND CurrentPageOf(HWND window) {
  LockGuard lock(Locks().panel);
  const PanelExRecord* panel = lock ? FindPanelExByWindow(window) : nullptr;
  return panel && panel->currentPage ? panel->currentPage->window : nullptr;
}

// Pages without auto-scroll cover the panel's client area; auto-scrolling ones
// are sized to their content. Returns the current page, 0 for none.
HWND FitPages(HWND window) {
  LockGuard lock(Locks().panel);
  PanelExRecord* panel = lock ? FindPanelExByWindow(window) : nullptr;
  if (!panel) return nullptr;
  RECT client{};
  GetClientRect(window, &client);
  std::vector<HWND> covering;
  std::vector<PageFit> sized;
  for (PanelExPageRecord* page : panel->pages) {
    if (!page->autoScroll) {
      covering.push_back(page->window);
      continue;
    }
    sized.emplace_back();
    SizePanelExPageContent(*page, 0, 0, sized.back());
  }
  const HWND current = panel->currentPage ? panel->currentPage->window : nullptr;
  lock.Unlock();
  for (const PageFit& fit : sized) ApplyPageFit(fit);
  for (HWND page : covering) MoveWindow(page, 0, 0, client.right, client.bottom, FALSE);
  if (!current || !lock.Relock()) return current;
  PageFit bars;
  if (PanelExPageRecord* page = FindPanelExPageByWindow(current)) {
    UpdatePanelExPageScrollBars(*page, bars);
    LayoutPanelExScrollBars(*page, bars);
    RedrawPanelExPageScrollBars(*page, bars);
  }
  lock.Unlock();
  ApplyPageFit(bars);
  return current;
}

bool IsNested(HWND page) {
  LockGuard mapLock(Locks().windowMap);
  return mapLock && GetTopPanelExPageAncestor(page) != page;
}

LRESULT OnSize(const Call& call) {
  const HWND current = FitPages(call.window);
  if (WNDPROC callback = CallbackOf(call.window)) {
    if (const LRESULT handled = CallWindowProcW(callback, call.window, call.message, call.wParam, call.lParam))
      return handled;
  }
  if (!current || !IsWindow(current)) return 0;
  if (!IsNested(current)) {
    InvalidatePanelExPage(current);
    RedrawWindow(current, nullptr, nullptr, RDW_UPDATENOW);
  }
  RedrawToolBarExsOnPage(current);
  return 0;
}

LRESULT OnAnimationStep(const Call& call) {
  const HWND page = CurrentPageOf(call.window);
  if (!page) return 0;
  const HWND top = InvalidatePanelExPage(page);
  RECT rect{};
  GetClientRect(page, &rect);
  MapWindowPoints(page, top, reinterpret_cast<POINT*>(&rect), 2);
  RedrawWindow(top, &rect, nullptr, RDW_NOERASE | RDW_NOCHILDREN | RDW_UPDATENOW);
  return 0;
}

LRESULT OnWindowPosChanging(const Call& call) {
  WNDPROC callback = CallbackOf(call.window);
  return callback ? CallWindowProcW(callback, call.window, call.message, call.wParam, call.lParam) : 0;
}

// Moves, size changes, shows and hides, and SetParent all end here.
LRESULT OnWindowPosChanged(const Call& call) {
  {
    LockGuard lock(Locks().panel);
    if (PanelExRecord* panel = lock ? FindPanelExByWindow(call.window) : nullptr) NotePanelExPlace(*panel);
  }
  return Default(call);
}

// The pages cover the panel, which draws nothing itself. Without a frame, there is
// nothing to draw outside the client area either: the update region is simply
// validated, which spares the WM_NCPAINT and WM_ERASEBKGND that BeginPaint sends
// (each a trip through every hook on the thread, and both drawing nothing here).
// The pages are children outside this validation: they paint themselves.
LRESULT OnPaint(const Call& call) {
  RECT window{}, client{};
  GetWindowRect(call.window, &window);
  GetClientRect(call.window, &client);
  if (window.right - window.left == client.right && window.bottom - window.top == client.bottom) {
    RedrawWindow(call.window, nullptr, nullptr, RDW_VALIDATE | RDW_NOCHILDREN | RDW_NOERASE | RDW_NOFRAME);
    return 1;
  }
  PaintDc paint(call.window);
  return 1;
}

LRESULT Dispatch(const Call& call) {
  if (!IsPanel(call.window)) return Default(call);
  switch (call.message) {
    case WM_THEMECHANGED: ReopenPanelThemes(); return 0;
    case WM_PAINT: return OnPaint(call);
    case WM_ERASEBKGND: return 1;
    case WM_SIZE: return OnSize(call);
    case PageAnimationStepMessage: return OnAnimationStep(call);
    case WM_WINDOWPOSCHANGING: return OnWindowPosChanging(call);
    case WM_WINDOWPOSCHANGED: return OnWindowPosChanged(call);
    case WM_NOTIFY: return SendMessageW(GetParent(call.window), call.message, call.wParam, call.lParam);
    case WM_NCHITTEST: return HTTRANSPARENT;
    case WM_HSCROLL:
    case WM_VSCROLL: ScrollPanelExPage(call.window, call.message, call.wParam, call.lParam); return 0;
    default: return Default(call);
  }
}

}  // namespace

LRESULT CALLBACK PanelExWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    return Dispatch(Call{window, message, wParam, lParam});
  } catch (...) {
    return 0;
  }
}

}  // namespace kelvra
