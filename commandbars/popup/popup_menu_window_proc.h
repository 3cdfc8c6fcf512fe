// PopupMenuWindowProc: the procedure the system's popup menu windows ("#32768")
// get on creation while a MenuEx menu is tracked: a MenuExPopupRecord per window,
// frames and backgrounds in the menu's UI style, placement and cascade, the
// selection fade and drop shadows. Everything else goes to the system's
// procedure, with MenuLock released.
#pragma once

#include <windows.h>

namespace kelvra {

LRESULT CALLBACK PopupMenuWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace kelvra
