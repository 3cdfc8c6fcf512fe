// The PanelEx panels that sit directly on a given window.
#pragma once

#include <windows.h>

namespace kelvra {

using PanelWindowVisitor = void (*)(HWND panelWindow, void* context);

// Calls `visit` with the window of every panel whose parent is `parent`, in list
// order. Call with PanelLock held; the panel list's current element is kept.
void ForEachPanelExWithParent(HWND parent, PanelWindowVisitor visit, void* context);

}  // namespace kelvra
