// The host-window procedure's subclassing: the windows that host toolbars, menu
// bars, rebars and popup menus get HostWindowProc once.
#pragma once

#include <windows.h>

namespace kelvra {

// Subclasses `window` with HostWindowProc unless it has it already, and gives it
// WS_CLIPCHILDREN. Called by the creating exports on the user-interface thread.
// Not built yet: commandbars/not_built_yet.cpp only adds WS_CLIPCHILDREN.
void SubclassHostWindow(HWND window);

}  // namespace kelvra
