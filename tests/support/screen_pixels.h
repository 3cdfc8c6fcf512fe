// Reading back what the screen shows: the pixels a user sees of a window, after
// every painter involved has had its turn.
#pragma once

#include <windows.h>

#include "tests/support/win_test_helpers.h"

namespace kelvra::test {

// Copies what `window`'s client area shows into `into` (from its top-left corner,
// as much as fits), as drawn into its top-level window. The window must be shown
// and uncovered.
void CaptureClientArea(HWND window, Dib32& into);

}  // namespace kelvra::test
