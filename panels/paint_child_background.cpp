// Until the page painter exists nothing is excluded from a page's erase.
#include "panels/paint_child_background.h"

namespace kelvra {

BOOL CALLBACK PaintChildBackgroundProc(HWND, LPARAM) { return TRUE; }

}  // namespace kelvra
