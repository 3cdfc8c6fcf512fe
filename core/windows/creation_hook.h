// The window-creation hook: sees every window created on the hooked thread.
#pragma once

#include <windows.h>

namespace kelvra {

LRESULT CALLBACK CallWndProcHook(int code, WPARAM wParam, LPARAM lParam);
// Installs CallWndProcHook on the calling thread unless it is installed already
// (StartKelvra, and the first menu, toolbar or popup menu). True when installed.
bool InstallCallWndProcHook();

}  // namespace kelvra
