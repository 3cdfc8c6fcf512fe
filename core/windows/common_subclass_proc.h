// CommonSubclassProc: the subclass procedure of every window the creation hook
// registered in the WindowMap, and the subclassing itself.
#pragma once

#include <windows.h>

namespace kelvra {

// Every message reaches the window's own procedure, whether or not WindowMapLock
// could be taken and whether or not the window still has an entry: only the
// library's own work is skipped then. No library lock is held while the window's
// own procedure runs.
LRESULT CALLBACK CommonSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Subclasses `window` with CommonSubclassProc (never twice) and returns the
// procedure it replaced, which is also kept in a table of the library's own from
// now until WM_NCDESTROY, so that it is reachable without WindowMapLock. 0 when
// the window was already subclassed by us (or the table could not hold it).
WNDPROC InstallCommonSubclass(HWND window);
// The window's own procedure as kept at subclassing; 0 for a window we did not
// subclass.
WNDPROC SavedProcedureOf(HWND window);
// Puts `saved` back and drops the table entry when CommonSubclassProc is still
// the window's procedure. False when a later subclass sits on top of ours: ours
// then stays in its chain, entry and all, and keeps passing messages on.
bool RestoreOwnProcedure(HWND window, WNDPROC saved);
// Drops the table entry: for a window that is going (WM_NCDESTROY).
void ForgetSavedProcedure(HWND window);

}  // namespace kelvra
