// Announcing a rebar's new height when its window is being resized.
// Built in commandbars/rebar/rebar_height.cpp.
#pragma once

#include <windows.h>

namespace kelvra {

// Makes the rebar whose window is `window` the rebar at hand; false when the
// window is no rebar of the library.
bool MakeRebarCurrentByWindow(HWND window);
// For the rebar at hand: sends RebarHeightChangedMessage when `height` (0: ask
// the rebar) differs from the last height announced.
void NotifyRebarHeightChange(int height);

}  // namespace kelvra
