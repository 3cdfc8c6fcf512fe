// What the panel code asks of page scrolling: a page's child events
// (panels/page/page_child_events.cpp) when a window on a page moves, is shown or leaves
// it, showing a page and fitting a resized panel (keep the content extent, size
// the content and the scroll bars), and the panel's scroll-bar messages.
//
// Fitting comes in two halves. The planning calls read and update the page record
// with PanelLock held and only note in a PageFit what the windows must do;
// ApplyPageFit does that once every library lock is released: moving the page
// sends it messages that reach its panel's callback, and the bars and the page may
// belong to another thread. None of these leaves the panel or page list's current
// element changed.
#pragma once

#include <windows.h>

#include "panels/scrolling/page_scroll_decisions.h"

namespace kelvra {

struct PanelExPageRecord;

// The page whose window is `pageWindow`, nullptr when it is no page
// (panels/panel/panel_registry.cpp).
PanelExPageRecord* FindPanelExPageByWindow(HWND pageWindow);

bool PanelExPageAutoScrolls(const PanelExPageRecord& page);
// The page is its panel's current page.
bool PanelExPageIsCurrent(const PanelExPageRecord& page);

// The window work of fitting one page, in the order ApplyPageFit does it.
struct PageFit {
  HWND page = nullptr;
  bool placePage = false;  // the page goes to (x, y), sized width x height
  int x = 0, y = 0, width = 0, height = 0;
  struct Bar {
    HWND window = nullptr;
    bool resetPosition = false;  // to 0, before it hides
    bool hide = false, show = false;
    bool setRange = false;  // range 0..rangeMax, page and position
    int32_t rangeMax = 0, page = 0, position = 0;
  };
  Bar horizontal, vertical;
  bool layOut = false;  // the bars and box go where `layout` says
  ScrollBarsLayout layout;
  HWND horizontalBar = nullptr, verticalBar = nullptr, sizeBox = nullptr;
  bool showBox = false, hideBox = false;
  HWND redraw[3] = {};  // repainted at once, without erasing
};

// ---- Planning, PanelLock held: each updates the record and notes into `fit`.

// Measures the content extent again from the page's visible direct children,
// then sizes the content.
void RemeasurePanelExPageContent(PanelExPageRecord& page, PageFit& fit);
// Grows the extent (right and bottom only grow) to hold `childInPage`.
void GrowPanelExPageContent(PanelExPageRecord& page, const RECT& childInPage);
// The page at its position moved by (dx, dy) within its panel, sized to its
// content; moves add up within one fit.
void SizePanelExPageContent(PanelExPageRecord& page, int dx, int dy, PageFit& fit);
void UpdatePanelExPageScrollBars(PanelExPageRecord& page, PageFit& fit);
void LayoutPanelExScrollBars(PanelExPageRecord& page, PageFit& fit);
// The bars that are on (and the size box when both are) redrawn without erasing.
void RedrawPanelExPageScrollBars(const PanelExPageRecord& page, PageFit& fit);
// A page whose content changed or that is shown: content sized, bars updated
// (auto-scrolling pages), laid out and redrawn (when a bar is on).
void RefitPanelExPage(PanelExPageRecord& page, PageFit& fit);

// ---- Carrying out, with no library lock held.
void ApplyPageFit(const PageFit& fit);

// A control that has just moved several children of an auto-scrolling current
// page: the content extent is measured again and the page and its scroll bars are
// fitted to it at once. (A child's own move only re-measures and sizes the page;
// its bars would follow at the panel's next WM_SIZE.) Takes PanelLock itself; call
// without it (panels/page_child_events.cpp).
void RefitPanelExPageToChildren(HWND pageWindow);

// WM_HSCROLL / WM_VSCROLL of the panel `panelWindow`: scrolls its current page
// when lParam is that page's horizontal / vertical bar and the page auto-scrolls.
// Takes PanelLock itself; call without it.
void ScrollPanelExPage(HWND panelWindow, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace kelvra
