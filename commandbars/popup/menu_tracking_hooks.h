// The hooks that steer the system's menu loop while a MenuEx menu is tracked:
// the message filter of the loop (keys, pointer moves, presses, the selection),
// the low-level mouse hook that ends the menu on a release outside it, and the
// filter of a rebar chevron's menu. Each reads and writes MenuTracking() and
// always passes the event on.
#pragma once

#include <windows.h>

namespace kelvra {

// WH_MSGFILTER of the tracking thread; acts on MSGF_MENU only.
LRESULT CALLBACK PopupMenuFilterHookProc(int code, WPARAM wParam, LPARAM lParam);
// WH_MOUSE_LL: a button release outside every open popup window of this
// tracking ends the menu.
LRESULT CALLBACK PopupMenuMouseHookProc(int code, WPARAM wParam, LPARAM lParam);
// WH_MSGFILTER around a chevron's menu: a left press records whether it hit the
// chevron rectangle (chevron click -1) or not (0). Returns 0.
LRESULT CALLBACK ChevronMenuFilterHookProc(int code, WPARAM wParam, LPARAM lParam);

// Installs the two tracking hooks on the calling thread; RemoveTrackingHooks
// takes them away again. Either hook may fail to install: tracking goes on
// without it.
void InstallTrackingHooks();
void RemoveTrackingHooks();

}  // namespace kelvra
