// Image helpers shared across the library: measuring, icons from bitmaps, runtime
// images from bitmaps, GDI+ bitmaps, alpha filling, filters and a filled arrow.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "core/platform/gdiplus_api.h"

namespace kelvra {

// Writes the image's size; 1 for an icon (measured by its colour bitmap, or by its
// mask, which is twice the icon's height, when it has none), 0 otherwise.
int GetImageDimensions(HANDLE image, int* width, int* height);
// The same, but an icon without a colour bitmap measures 0 by 0 (ImgWidth/ImgHeight).
int MeasureImage(HANDLE image, int* width, int* height, bool maskWhenNoColour);
// An icon of the bitmap's size made through a 32-bit masked image list; 0 on failure.
HICON BitmapToIcon(HBITMAP bitmap);
// Enters a DIB section into the runtime image table, which then owns it; the
// number, or 0 (the bitmap stays the caller's) for a bitmap that is not a DIB
// section. Depth 0 means the bitmap's own; the runtime reads the section at its
// real depth whatever is passed.
int32_t ImageFromBitmap(HBITMAP bitmap, int bitsPerPixel = 0);
// A GDI+ bitmap of a runtime image number or an HBITMAP, upright; 0 when GDI+ is
// missing or the bitmap cannot be read. A 32-bit DIB section is shared, not
// copied: it must outlive the GDI+ bitmap. Dispose with GdipDisposeImage.
gdip::Bitmap* CreateGdipBitmap(intptr_t imageOrNumber);
// Sets every alpha byte that is 0 to `alpha` in a 32-bit bitmap: plain GDI drawing
// leaves alpha 0 behind, which would make the pixels invisible.
void FillZeroAlpha(HDC dc, HBITMAP bitmap, BYTE alpha);
// Per-pixel filter: white source pixels become transparent, others opaque.
uint32_t WhiteTransparentFilter(int x, int y, uint32_t source, uint32_t target);
// A filled down-pointing triangle in the RGB colour.
void FillDownArrow(HDC dc, int x, int y, int width, int height, COLORREF colour);

// A bitmap's pixels as 32-bit values, top row first (24-bit and paletted sources
// read with alpha byte 0). Empty when the bitmap cannot be read.
std::vector<uint32_t> ReadBitmapPixels(HBITMAP bitmap, int width, int height);

}  // namespace kelvra
