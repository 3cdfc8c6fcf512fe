// What toolbars ask of rebars: the UI style of the rebar that hosts them.
#pragma once

#include <windows.h>

#include <cstdint>

namespace kelvra {

// The UI style of the rebar whose window is `rebarWindow` (0, Office 2003 or
// Office 2007); 0 when the window is no rebar of the library.
// Not built yet: commandbars/not_built_yet.cpp answers 0, there are no rebars.
uint32_t RebarUIStyleOf(HWND rebarWindow);

}  // namespace kelvra
