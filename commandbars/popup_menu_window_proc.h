// PopupMenuWindowProc: the procedure the creation hook gives the system's popup
// menu windows ("#32768") while a MenuEx menu is tracked.
#pragma once

#include <windows.h>

namespace kelvra {

LRESULT CALLBACK PopupMenuWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace kelvra
