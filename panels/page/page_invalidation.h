// Invalidating and repainting pages. A page nested on another panel's page is
// drawn by its outermost page's painter, so invalidating it means invalidating
// that outer page over the nested panel's area. None of these needs a lock held
// by the caller; each takes what it reads under PanelLock and WindowMapLock and
// releases them before anything that can send messages.
#pragma once

#include <windows.h>

namespace kelvra {

// Invalidates the area of `pageWindow`'s panel (less the page's scroll bars) in
// the parent of the outermost page ancestor, the page's visible size box, and the
// page's children that draw themselves; returns that ancestor (the page itself
// when it is not nested).
HWND InvalidatePanelExPage(HWND pageWindow);

// Empties the page brush cache, invalidates the page and repaints it at once.
void RedrawPanelExPage(HWND pageWindow);

// The outermost ancestor of `window` registered in the window map as a page; the
// window itself when none is. The caller holds WindowMapLock.
HWND GetTopPanelExPageAncestor(HWND window);

// Cuts `rect` (in `target`'s coordinates) to the client area of every ancestor of
// `window` registered as a panel. target 0: the parent of window's outermost page
// ancestor. The caller holds WindowMapLock.
void ClipRectToRegisteredAncestors(RECT& rect, HWND window, HWND target);

// EnumChildWindows callback over a page's descendants (lParam unused): children
// that draw themselves are invalidated; the size boxes of nested panels' pages
// and progress bars are repainted by themselves, not by the page under them.
BOOL CALLBACK RedrawPanelExChildProc(HWND child, LPARAM unused);

}  // namespace kelvra
