// Driving the real pointer in tests: hover, leave notices and capture only follow
// what the window system itself sees, so these move the pointer and press its
// buttons through SendInput over shown, raised windows, and wait for what follows
// with a bound instead of a sleep (PumpUntil, win_test_helpers.h: a leave notice,
// for one, comes from a timer about 0.1 s after the pointer goes).
#pragma once

#include <windows.h>

#include "tests/support/win_test_helpers.h"

namespace kelvra::test {

// Shows a top-level window and brings it to the top of the z-order and to the
// foreground (Xvfb runs no window manager that would).
void ShowAndRaise(HWND window);

// Moves the pointer to a point on the screen, or in `window`'s client area, and
// dispatches what the move queued. True when the pointer got there.
bool MovePointerTo(POINT screen);
bool MovePointerTo(HWND window, POINT client);
// Moves the pointer to the screen's bottom-right corner, where tests put no window.
void MovePointerAway();

// The left button at the pointer's place, as the user presses it.
void PressLeftButton();
void ReleaseLeftButton();
void ClickLeftButton();

// The INPUT of one pointer event (SendInput); with MOUSEEVENTF_ABSOLUTE, dx and
// dy are screen pixels normalised by NormalisedInputCoordinate (the extent is
// the primary screen's width or height).
INPUT MouseInput(DWORD flags, LONG dx = 0, LONG dy = 0);
LONG NormalisedInputCoordinate(LONG pixel, int extent);

// The window that has captured the mouse on this thread, after the queued input
// was dispatched (0 for none).
HWND CaptureAfterInput();

}  // namespace kelvra::test
