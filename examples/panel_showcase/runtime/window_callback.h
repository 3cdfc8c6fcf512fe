// The program's windows and events: a callback that sees every message of a
// window before default processing, where asking to close the window (WM_CLOSE)
// is the close event that ends the event loop and leaves the window standing.
#pragma once

#include <windows.h>

namespace showcase {

// A window callback returns this to leave the message to default processing;
// anything else is the message's result.
constexpr LRESULT kDefaultProcessing = -1;

using WindowCallback = LRESULT(CALLBACK*)(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Sets the window's callback (replacing an earlier one); false for no window or
// no callback.
bool SetWindowCallback(HWND window, WindowCallback callback);
bool RemoveWindowCallback(HWND window);

// Dispatches this thread's window events until the close event of a window that
// has a callback (or a WM_QUIT from elsewhere). Returns the quit code.
int RunEventLoop();

}  // namespace showcase
