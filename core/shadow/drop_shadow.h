// Drop-shadow windows: thin layered windows that each show a strip of
// premultiplied shadow pixels, cut from one of two cached strips (vertical and
// horizontal). Menus and held toolbar buttons cast their shadows with them.
#pragma once

#include <windows.h>

#include <cstdint>

#include "core/library/control_list.h"
#include "core/shadow/drop_shadow_strip.h"

namespace kelvra {

// One shadow window: its picture stays selected into its memory DC for the
// window's life. The record's address is the window's GWLP_USERDATA.
struct DropShadowWindow {
  HWND window = nullptr;
  HDC memoryDc = nullptr;
  HBITMAP bitmap = nullptr;    // a 32-bit top-down DIB section of the window's size
  HGDIOBJ oldBitmap = nullptr;  // what memoryDc held before
  uint32_t* bits = nullptr;    // the bitmap's pixels, row 0 first

  DropShadowWindow() = default;
  DropShadowWindow(const DropShadowWindow&) = delete;
  DropShadowWindow& operator=(const DropShadowWindow&) = delete;
  ~DropShadowWindow();
};

ControlList<DropShadowWindow>& DropShadowList();

// One cached strip (bitmap 0: empty). `width` and `height` are the bitmap's.
struct StripCache {
  HBITMAP bitmap = nullptr;
  HDC memoryDc = nullptr;
  HGDIOBJ oldBitmap = nullptr;
  int32_t width = 0;
  int32_t height = 0;
  int32_t opacity = 0;
  uint32_t colour = 0;
};
// The two caches: vertical strips (right of a window) and horizontal ones (below).
StripCache& VerticalStripCache();
StripCache& HorizontalStripCache();

inline constexpr wchar_t kDropShadowClass[] = L"Kelvra_DropShadow";
// Exactly these: topmost, clicks fall through to what lies beneath, no taskbar
// button, per-pixel alpha, never activated.
inline constexpr DWORD kDropShadowExStyle =
    WS_EX_TOPMOST | WS_EX_TRANSPARENT | WS_EX_TOOLWINDOW | WS_EX_LAYERED | WS_EX_NOACTIVATE;

// Makes, fills and shows one shadow window at the screen rectangle (x, y, width,
// height), without activating it. `colour` is a Win32 colour (red in the low
// byte), `opacity` 1 to 255; `flags` as in drop_shadow_strip.h. Returns the
// window, 0 when width, height or opacity is out of range (no window made, the
// caches as they were) or the window or its picture cannot be made. With
// kShadowFreeCaches it only frees both caches and returns 1 when one held a
// strip, else 0. The caller destroys the window (DestroyWindow) on the thread
// that called this.
HWND CreateDropShadow(int32_t x, int32_t y, int32_t width, int32_t height, uint32_t colour, int32_t opacity,
                      uint32_t flags);
// The same, with the part `cut` (in the window's own coordinates) left clear:
// for a strip made again around a window that now covers part of it.
HWND CreateDropShadowWithCut(int32_t x, int32_t y, int32_t width, int32_t height, uint32_t colour, int32_t opacity,
                             uint32_t flags, const RECT& cut);

// True when `window` is a live shadow window of this list (a handle kept by
// someone else may since name another window).
bool IsDropShadowWindow(HWND window);

LRESULT CALLBACK DropShadowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Kelvra_End: destroys the calling thread's shadow windows that are left, frees
// both caches and unregisters the window class, so that a later load of the
// library registers it with its own procedure again.
void EndDropShadows();

}  // namespace kelvra
