// Drawing the star particles: the panel callback that blends them onto the page
// being painted, and the blending function it calls.
#pragma once

#include <windows.h>

#include "showcase_state.h"

namespace showcase {

using ErrorBoxFunction = int(WINAPI*)(HWND, LPCWSTR, LPCWSTR, UINT);

// Takes GdiAlphaBlend from the DLL into the state. When the DLL cannot be opened
// it says so in a message box ("Can't open Gdi32.dll", caption "Error!", error
// icon) and the program carries on without stars.
void LoadGdiAlphaBlend(ShowcaseState& state, const wchar_t* dll = L"Gdi32.dll",
                       ErrorBoxFunction errorBox = &MessageBoxW);

// The panel callback of panel 0. On WM_ERASEBKGND (wParam: the DC being painted)
// it blends every particle's star at the particle's rectangle, but only when the
// particle list is free at once: while the star thread holds it, this frame
// shows no stars rather than making painting wait. Always returns 0.
LRESULT CALLBACK StarsPanelCallback(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace showcase
