// What a page's child events (panels/page_child_events.cpp) ask of page
// scrolling when a window on a page moves, is shown or leaves it: find the page,
// keep its content extent, size its content and its scroll bars. Call with
// PanelLock held; none of these leaves the panel or page list's current element
// changed. Not built yet: panels/not_built_yet.cpp answers that no window is a page.
#pragma once

#include <windows.h>

namespace kelvra {

struct PanelExPageRecord;

// The page whose window is `pageWindow`, nullptr when it is no page.
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

}  // namespace kelvra
