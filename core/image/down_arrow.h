// A filled down-pointing arrow, the glyph of drop-down buttons.
#pragma once

#include <windows.h>

namespace kelvra {

// A filled down-pointing triangle in the RGB colour.
void FillDownArrow(HDC dc, int x, int y, int width, int height, COLORREF colour);

}  // namespace kelvra
