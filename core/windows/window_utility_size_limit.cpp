// LimitWindowSize: limits are kept in the WindowMap and enforced by
// CommonSubclassProc; a window already outside them is sized into them here.
#include "core/library/reentrant_lock.h"
#include "core/windows/window_map.h"
#include "core/windows/window_utility.h"

namespace kelvra {

namespace {

// The size wanted on one axis: the limit it breaks, 0 when it keeps both.
int WantedSize(int size, int minimum, int maximum) {
  if (minimum > 0 && size < minimum) return minimum;
  if (maximum > 0 && size > maximum) return maximum;
  return 0;
}

}  // namespace

void LimitWindowSize(HWND window, const SizeLimits& limits) {
  if (!IsWindow(window)) return;
  RECT rect{};
  GetWindowRect(window, &rect);
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  const int wantedWidth = WantedSize(width, limits.minimumWidth, limits.maximumWidth);
  const int wantedHeight = WantedSize(height, limits.minimumHeight, limits.maximumHeight);
  {
    LockGuard guard(Locks().windowMap);
    if (!guard) return;
    WindowMapEntry& entry = GetWindowMap().Add(window);
    entry.minimumWidth = limits.minimumWidth;
    entry.minimumHeight = limits.minimumHeight;
    entry.maximumWidth = limits.maximumWidth;
    entry.maximumHeight = limits.maximumHeight;
  }
  if (wantedWidth || wantedHeight)
    SetWindowPos(window, nullptr, 0, 0, wantedWidth ? wantedWidth : width, wantedHeight ? wantedHeight : height, SWP_NOMOVE);
}

}  // namespace kelvra
