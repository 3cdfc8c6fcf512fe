// CommonSubclassProc: the subclass procedure of every window the creation hook
// registered in the WindowMap.
#pragma once

#include <windows.h>

namespace kelvra {

LRESULT CALLBACK CommonSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace kelvra
