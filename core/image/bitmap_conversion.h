// A bitmap turned into the library's other image forms: an icon, or an image of
// the runtime image table.
#pragma once

#include <windows.h>

#include <cstdint>

namespace kelvra {

// An icon of the bitmap's size made through a 32-bit masked image list; 0 on failure.
HICON BitmapToIcon(HBITMAP bitmap);
// Enters a DIB section into the runtime image table, which then owns it; the
// number, or 0 (the bitmap stays the caller's, untouched) for a bitmap that is
// not a DIB section or when the table is full. Depth 0 means the bitmap's own;
// the runtime reads the section at its real depth whatever is passed.
int32_t ImageFromBitmap(HBITMAP bitmap, int bitsPerPixel = 0);

}  // namespace kelvra
