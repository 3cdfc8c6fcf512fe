// The page painter, as the panel code asks for it.
#pragma once

#include <windows.h>

namespace kelvra {

// Draws the page `page` completely into its outermost panel's back buffer and
// copies it to `paintDc`. target: 0 for a page painting itself, else the outer
// page in whose coordinates a nested page is drawn; nestedAlpha: the outer page
// draws into its alpha buffer. Takes PanelLock itself and releases it around the
// panel's callback and every other call that lets messages run; call without it
// (panels/paint/page_paint.cpp).
void PaintPanelExPage(HDC paintDc, HWND page, HWND target, bool nestedAlpha);

// The same, with `output` false: the page is drawn into its buffers (made when
// missing, compatible with paintDc) and nothing is copied to paintDc.
void PaintPage(HDC paintDc, HWND page, HWND target, bool nestedAlpha, bool output);

// WM_CTLCOLORSTATIC of a page: a new pattern brush of what the page shows behind
// `control`, taken from the back buffer of the page's outermost page (painting
// that page once when it has no buffer yet), for the caller to cache and return.
// controlDc is the control's DC. Takes the locks it needs itself; call without
// them (panels/page/page_static_brush.cpp).
HBRUSH MakePageStaticBrush(HWND page, HWND control, HDC controlDc);

}  // namespace kelvra
