// What the panel code asks of the page painter. Not built yet:
// panels/not_built_yet.cpp answers "nothing here" (nothing is drawn).
#pragma once

#include <windows.h>

namespace kelvra {

// Draws the page `page` completely into its outermost panel's back buffer and
// copies it to `paintDc`. target: 0 for a page painting itself, else the outer
// page in whose coordinates a nested page is drawn; nestedAlpha: the outer page
// draws into its alpha buffer. Takes PanelLock itself; call without it (the
// painter calls the panel's callback).
// Nothing here: nothing is drawn.
void PaintPanelExPage(HDC paintDc, HWND page, HWND target, bool nestedAlpha);

// WM_CTLCOLORSTATIC of a page: a new pattern brush of what the page shows behind
// `control` (from the back buffer of the page's outermost panel, or of its own
// alpha buffer when the page is translucent; painting the page once when there is
// no back buffer yet), for the caller to cache and return. controlDc is the
// control's DC. Takes the locks it needs itself; call without them.
// Nothing here: nullptr, the control draws its own background.
HBRUSH MakePageStaticBrush(HWND page, HWND control, HDC controlDc);

}  // namespace kelvra
