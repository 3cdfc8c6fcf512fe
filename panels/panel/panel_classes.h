// The window classes "Kelvra_PanelEx", "Kelvra_PanelExPage" and
// "Kelvra_ScrollbarBox" (the filler between a page's scroll bars): each registered by
// the first call that needs it, under the library's own module, and unregistered
// when the library ends (a class left behind would point into an unloaded DLL).
#pragma once

#include <windows.h>

namespace kelvra {

enum class PanelClass { Panel, Page, ScrollbarBox };

// Registers the class unless it is registered; true when it is. Call with PanelLock held.
bool RegisterPanelClass(PanelClass which);
// The class's name while it is registered, else the empty text.
const wchar_t* PanelClassName(PanelClass which);
// The module the classes and their windows belong to.
HINSTANCE PanelModule();
// Unregisters the classes (their windows must be gone). Kelvra_End.
void UnregisterPanelClasses();

LRESULT CALLBACK PanelExWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK PanelExPageWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ScrollbarBoxWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace kelvra
