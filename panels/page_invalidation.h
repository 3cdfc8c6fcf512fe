// Invalidating a page so that its outermost page ancestor repaints the area it
// covers (pages nested on other pages are drawn by the outer page's painter).
// Not built yet: panels/not_built_yet.cpp answers that no page is nested.
#pragma once

#include <windows.h>

namespace kelvra {

// Invalidates the area of `pageWindow`'s panel in the outermost page ancestor and
// returns that ancestor (the page itself when it is not nested). Takes
// WindowMapLock itself; call without PanelLock-guarded records in hand.
HWND InvalidatePanelExPage(HWND pageWindow);

}  // namespace kelvra
