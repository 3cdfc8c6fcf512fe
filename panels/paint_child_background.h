// PaintChildBackgroundProc: the EnumChildWindows callback a page runs on
// WM_ERASEBKGND, which keeps the page background from being painted under the
// children that draw their own.
#pragma once

#include <windows.h>

namespace kelvra {

struct PaintChildBackgroundParams {
  HWND window;  // the page being erased
  HDC dc;       // its erase DC; children's areas are excluded from its clip region
};

// lParam: a PaintChildBackgroundParams*. Always continues (returns TRUE).
BOOL CALLBACK PaintChildBackgroundProc(HWND child, LPARAM params);

}  // namespace kelvra
