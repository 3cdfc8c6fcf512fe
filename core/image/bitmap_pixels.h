// Reading a bitmap's pixels, and giving back the alpha that plain GDI drawing
// leaves at 0.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace kelvra {

// A bitmap's pixels as 32-bit values, top row first (24-bit and paletted sources
// read with alpha byte 0). Empty when the bitmap cannot be read.
std::vector<uint32_t> ReadBitmapPixels(HBITMAP bitmap, int width, int height);

// Sets every alpha byte that is 0 to `alpha` in a 32-bit bitmap: plain GDI drawing
// leaves alpha 0 behind, which would make the pixels invisible.
void FillZeroAlpha(HDC dc, HBITMAP bitmap, BYTE alpha);

}  // namespace kelvra
