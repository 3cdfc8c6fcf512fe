// The paint state of pages: a page marked not yet painted decides again, on its
// next paint, whether it paints itself or is drawn by an outer page.
// Not built yet: panels/not_built_yet.cpp answers that there are no pages to mark.
#pragma once

#include <windows.h>

namespace kelvra {

// Marks every page of the panel whose window is `panelWindow` as not yet painted.
// Call with PanelLock held.
void MarkPanelExPagesUnpainted(HWND panelWindow);

}  // namespace kelvra
