// The page painter's work on a page's child windows: group boxes printed into
// the page's buffer, and the test that decides whether a nested panel shows.
// These let messages run: call them without PanelLock.
#pragma once

#include <windows.h>

namespace kelvra {

struct GroupBoxPrintParams {
  HWND page = nullptr;
  HWND target = nullptr;  // whose coordinates dc is addressed in
  HDC dc = nullptr;       // the working DC (a panel buffer)
  bool alphaFlag = false; // dc is an alpha buffer: what printing leaves at alpha 0 is made opaque
  // Asked with PanelLock held before dc is touched after messages ran: false when
  // the buffer (or the page) went meanwhile, which ends the printing.
  bool (*stillDrawing)(void* context) = nullptr;
  void* context = nullptr;
  bool stopped = false;
};

// EnumChildWindows-style callback (lParam: a GroupBoxPrintParams*): a group box
// that is a direct child of the page is hidden (it no longer paints itself) and
// printed, over the buffer's pixels behind it, into the buffer. Returns FALSE
// once printing has stopped.
BOOL CALLBACK PrintGroupBoxChildProc(HWND child, LPARAM params);

// Whether `window` is a group box ("Button" with the group-box style).
bool IsGroupBox(HWND window);

// True when `rect` (in window's client coordinates) meets the client area of the
// window's parent.
bool IsRectInParentClient(const RECT& rect, HWND window);

}  // namespace kelvra
