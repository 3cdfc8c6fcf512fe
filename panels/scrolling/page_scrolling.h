// Page scrolling inside the panel code: the attribute setter and getter behind
// the exports, the scroll-bar box and the children walk that measures or moves a
// page's content. Page content sizing, the bars' update, layout and redraw and
// the panel's scroll messages are declared in page_content_tracking.h.
#pragma once

#include <windows.h>

#include <cstdint>

namespace kelvra {

// PanelExScrollAttribute bits.
enum PanelExScrollAttribute : int32_t {
  kScrollHorizontalBar = 16,     // set: create or show / hide; get: on (0/1)
  kScrollVerticalBar = 32,       // likewise for the vertical bar
  kScrollAuto = 64,              // set: auto-scroll on/off; get: auto-scroll (0/1)
  kScrollAttribute128 = 128,     // stored; no effect
  kScrollHorizontalWindow = 256, // get: the horizontal bar's window
  kScrollVerticalWindow = 512,   // get: the vertical bar's window
  kScrollNoAutoHorizontal = 1024,
  kScrollNoAutoVertical = 2048,
};

// SetPanelExPageScrolling: 1, or 0 when the panel or page is unknown. Takes PanelLock.
int32_t SetPageScrolling(intptr_t panel, intptr_t page, int32_t attributes, int32_t onOff);
// GetPanelExPageScrolling: the value, 0 for other attributes or an unknown panel or page.
intptr_t GetPageScrolling(intptr_t panel, intptr_t page, int32_t attribute);

// createScrollbarBox: registers "Kelvra_ScrollbarBox" once and makes a box
// SM_CXHTHUMB wide and SM_CYVTHUMB high at (x, y); 0 when it cannot be made.
HWND CreateScrollbarBox(HWND parent, int x, int y, bool visible);

// The EnumChildWindows walk over a page: only its direct, visible children count,
// each extending {left, top, right, bottom} by its rectangle in the page.
struct PageChildrenParams {
  HWND parent;
  LONG left, top, right, bottom;
};
BOOL CALLBACK EnumPageChildrenProc(HWND child, LPARAM params);

}  // namespace kelvra
