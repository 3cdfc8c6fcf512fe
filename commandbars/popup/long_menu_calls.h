// What the popup window procedure asks of long menus (the slice shown in place
// of a menu too tall for its monitor, and its scrolling). Answered "nothing
// here" by commandbars/not_built_yet.cpp until long menus are built.
#pragma once

#include <windows.h>

namespace kelvra {

// The popup window `window` became the slice popup window of the tracking.
// Nothing here: no slice is ever shown.
void OnScrollSliceWindowCreated(HWND window);

// Row `index` of the slice popup window was selected (MN_SELECTITEM): the
// arrow rows start the scroll thread, an ordinary row ends a scroll.
// Nothing here: nothing scrolls.
void OnScrollRowSelected(HWND window, int index);

}  // namespace kelvra
