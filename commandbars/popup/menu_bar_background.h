// The screen-background cache under a menu bar's drop-downs and the shadow area
// a drop-down leaves behind when it moves: screen pixels grabbed before a
// drop-down covers them and put back (or the windows under them redrawn) once it
// has moved away. All on the tracking thread, MenuLock held by the caller.
#pragma once

#include <windows.h>

#include <cstdint>

namespace kelvra {

// The cache's modes besides a bar window.
inline constexpr intptr_t kGrabNewStrips = -1;   // copy the parts of the rectangle not grabbed yet
inline constexpr intptr_t kGrabRectangle = -2;   // copy all of the rectangle from the screen
inline constexpr intptr_t kRestoreRectangle = 0; // copy the rectangle from the cache to the screen

// A bar window (>= 1 or below -2) prepares the cache for the area its drop-downs
// can cover; the other modes grab or restore `rectangle` (screen coordinates).
// Returns 0.
int CacheMenuBarBackground(intptr_t mode, const RECT& rectangle);

// Makes (or grows) the cache for the screen `area`, clearing the grabbed
// rectangle and the filled flag. False when no DC or bitmap could be made.
bool PrepareMenuBarBackground(const RECT& area);

// A drop-down window that moved away from the stored shadow area gets the
// strips it uncovered restored and redrawn; then the area is cleared. Returns 0.
int UpdateMenuBarShadowArea(HWND window);
// Redraws the windows under the stored shadow area and clears it. Returns 0.
int ClearMenuBarShadowArea();
// Redraws the parts of the screen `rectangle` that the visible top-level windows
// below `exclude` (0: all) cover. Returns 0.
int RedrawWindowsInRect(const RECT& rectangle, HWND exclude);

}  // namespace kelvra
