// What the panel code asks of page scrolling: a page's child events
// (panels/page_child_events.cpp) when a window on a page moves, is shown or leaves
// it, showing a page and fitting a resized panel (keep the content extent, size
// the content and the scroll bars), and the panel's scroll-bar messages. Call with
// PanelLock held unless a call says otherwise; none of these leaves the panel or
// page list's current element changed. Not built yet: panels/not_built_yet.cpp
// answers "nothing here" (no page scrolls).
#pragma once

#include <windows.h>

namespace kelvra {

struct PanelExPageRecord;

// The page whose window is `pageWindow`, nullptr when it is no page
// (panels/panel_registry.cpp).
PanelExPageRecord* FindPanelExPageByWindow(HWND pageWindow);

bool PanelExPageAutoScrolls(const PanelExPageRecord& page);
// The page is its panel's current page.
bool PanelExPageIsCurrent(const PanelExPageRecord& page);

// Measures the content extent again from the page's visible direct children.
void RemeasurePanelExPageContent(PanelExPageRecord& page);
// Grows the extent (right and bottom only grow) to hold `childInPage`.
void GrowPanelExPageContent(PanelExPageRecord& page, const RECT& childInPage);
// Places the page within its panel at its position moved by (dx, dy), sized to its content.
void SizePanelExPageContent(PanelExPageRecord& page, int dx, int dy);
void UpdatePanelExPageScrollBars(PanelExPageRecord& page);
void LayoutPanelExScrollBars(PanelExPageRecord& page);
// Redraws the bars that are on (and the size box when both are), without erasing.
void RedrawPanelExPageScrollBars(PanelExPageRecord& page);

// WM_HSCROLL / WM_VSCROLL of the panel `panelWindow`: scrolls its current page
// when lParam is that page's horizontal / vertical bar and the page auto-scrolls.
// Takes PanelLock itself; call without it. Nothing here: nothing scrolls.
void ScrollPanelExPage(HWND panelWindow, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace kelvra
