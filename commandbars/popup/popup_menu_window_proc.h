// PopupMenuWindowProc: the procedure the system's popup menu windows ("#32768")
// get on creation while a MenuEx menu is tracked. Not built yet:
// commandbars/not_built_yet.cpp passes every message to the system's procedure.
#pragma once

#include <windows.h>

namespace kelvra {

LRESULT CALLBACK PopupMenuWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace kelvra
