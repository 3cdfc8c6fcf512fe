// The host-window procedure's subclassing: the windows that host toolbars, menu
// bars, rebars and popup menus get HostWindowProc once.
#pragma once

#include <windows.h>

namespace kelvra {

// Subclasses `window` with HostWindowProc unless it has a HostWindowRecord
// already (the record first, then the procedure, then WS_CLIPCHILDREN). Called by
// the creating exports on the user-interface thread.
void SubclassHostWindow(HWND window);

// The procedure of every host window: the window's own procedure first, then the
// library's work on the messages that concern its toolbars, menus and rebars.
// Once the library has ended it only passes messages on.
LRESULT CALLBACK HostWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace kelvra
