// The window utilities behind the exports LimitWindowSize, OpenWindowEx and
// changeListiconSubIcon.
#pragma once

#include <windows.h>

#include <cstdint>

namespace kelvra {

struct SizeLimits {
  int32_t minimumWidth, minimumHeight, maximumWidth, maximumHeight;
};

// Stores the limits in the window's WindowMapEntry and sizes the window into them.
void LimitWindowSize(HWND window, const SizeLimits& limits);

// Flags as in kelvra.h (KELVRA_WINDOW_*). Returns 0 on failure.
HWND OpenWindow(const wchar_t* title, int x, int y, int width, int height, uint32_t flags, HWND parent);

// Gives one sub-item of a list view `icon` as its image; false when nothing changed.
// Each icon is added to the list view's small image list once; the indices are
// kept per list view window and dropped once that window is gone.
bool SetListViewSubItemIcon(HWND listView, int item, int subItem, HICON icon);
// The number of list views the icon cache holds indices for (tests).
size_t ListIconCacheWindowCount();

}  // namespace kelvra
