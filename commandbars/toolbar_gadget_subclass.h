// ToolBarExGadgetSubclass: hot tracking and flat painting of combo boxes (and the
// edits inside them) embedded in toolbars. CommonSubclassProc offers it every
// message first, with WindowMapLock held.
#pragma once

#include <windows.h>

namespace kelvra {

// A non-zero result means the message was handled and is the message's result.
// It may release WindowMapLock around calls that send messages; the caller looks
// its WindowMapEntry up again afterwards.
LRESULT ToolBarExGadgetSubclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace kelvra
