// The page cursor: what the pointer shows over a page.
#pragma once

#include <windows.h>

#include <cstdint>

namespace kelvra {

// When the window under the pointer is the page itself: a positive cursor is set,
// 0 sets the library's arrow, a negative one leaves the cursor alone. Call without
// PanelLock: finding the window under the pointer sends WM_NCHITTEST.
void ApplyPageCursor(HWND page, intptr_t cursor);

}  // namespace kelvra
