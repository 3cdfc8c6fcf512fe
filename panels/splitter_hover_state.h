// The splitters' hover flag: set on a bar's first WM_MOUSEMOVE, cleared on
// WM_MOUSELEAVE or WM_CAPTURECHANGED. While it is set, top-level windows do not
// see the mouse moves.
#pragma once

namespace kelvra {

bool PointerOverSplitterBar();

}  // namespace kelvra
