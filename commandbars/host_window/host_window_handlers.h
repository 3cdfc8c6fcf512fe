// The window-level messages of host windows that the host-window procedure
// handles itself: combo-box gadget lists, theme, composition and setting
// changes, activation, and the sizing of the window's frame.
#pragma once

#include <windows.h>

namespace kelvra {

// WM_COMMAND: CBN_DROPDOWN and CBN_CLOSEUP of a toolbar's combo-box gadget.
void OnHostCommand(WPARAM wParam, LPARAM lParam);
// WM_THEMECHANGED: theme handles, composition, element caches, popup and rebar
// backgrounds.
void OnHostThemeChanged();
// WM_DWMCOMPOSITIONCHANGED (and theme changes): the composition flag read again.
void RefreshCompositionFlag();
// WM_ACTIVATE: the menu bars of the window show it active or inactive.
void OnHostActivate(HWND window, WPARAM wParam);
// WM_SIZING and WM_EXITSIZEMOVE: toolbars on the window's children are composed
// off-screen while the frame is dragged, and redrawn once after.
void OnHostSizing(HWND window);
void OnHostExitSizeMove(HWND window);
// WM_SETTINGCHANGE: true when the result is 0 (the menu font's setting).
bool OnHostSettingChange(WPARAM wParam);

}  // namespace kelvra
