// Painting a text control into the DC its page's painter hands its callback.
#pragma once

#include <windows.h>

namespace kelvra {

// WM_PAINT of a text control's page: fills (style 0x1000) and draws the text into
// `dc`, whose origin is the page's top-left corner, and refills the control's link
// list for that layout. Takes TextControlLock itself; call without it.
void PaintTextControl(HWND page, HDC dc);

}  // namespace kelvra
