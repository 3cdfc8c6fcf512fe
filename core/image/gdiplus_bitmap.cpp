// CreateGdipBitmap: sharing a 32-bit section's pixels with GDI+ where it can.
#include "core/image/gdiplus_bitmap.h"

#include <cstring>
#include <vector>

#include "core/image/bitmap_pixels.h"
#include "core/image/runtime_image.h"
#include "core/platform/platform_bindings.h"

namespace kelvra {

gdip::Bitmap* CreateGdipBitmap(intptr_t imageOrNumber) {
  if (!StartGdiPlus()) return nullptr;
  const GdiPlusApi& api = GdiPlus();
  HBITMAP bitmap = image::BitmapOfImage(imageOrNumber);
  DIBSECTION section{};
  const int got = bitmap ? GetObjectW(bitmap, sizeof(section), &section) : 0;
  if (got < static_cast<int>(sizeof(BITMAP))) return nullptr;
  const BITMAP& bm = section.dsBm;
  constexpr INT kPixelFormat32bppARGB = 0x26200A;
  constexpr UINT kLockWrite = 2;
  gdip::Bitmap* result = nullptr;
  if (bm.bmBitsPixel == 32 && bm.bmBits && got == static_cast<int>(sizeof(section))) {
    if (!api.GdipCreateBitmapFromScan0) return nullptr;
    // Shared pixels: a bottom-up section is given from its last memory row with a
    // negative stride, so GDI+ sees it upright without rewriting the section.
    auto* bits = static_cast<BYTE*>(bm.bmBits);
    const bool topDown = section.dsBmih.biHeight < 0;
    BYTE* scan0 = topDown ? bits : bits + static_cast<size_t>(bm.bmHeight - 1) * bm.bmWidthBytes;
    const INT stride = topDown ? bm.bmWidth * 4 : -bm.bmWidth * 4;
    if (api.GdipCreateBitmapFromScan0(bm.bmWidth, bm.bmHeight, stride, kPixelFormat32bppARGB, scan0, &result) != 0)
      return nullptr;
    return result;
  }
  if (bm.bmBitsPixel == 32) {
    // A 32-bit device bitmap has no pixel memory to share: its bits are read
    // first and copied into a bitmap of GDI+'s own.
    if (!api.GdipCreateBitmapFromScan0 || !api.GdipBitmapLockBits || !api.GdipBitmapUnlockBits) return nullptr;
    std::vector<uint32_t> pixels = ReadBitmapPixels(bitmap, bm.bmWidth, bm.bmHeight);
    if (pixels.empty()) return nullptr;
    if (api.GdipCreateBitmapFromScan0(bm.bmWidth, bm.bmHeight, 0, kPixelFormat32bppARGB, nullptr, &result) != 0)
      return nullptr;
    gdip::Rect rect{0, 0, bm.bmWidth, bm.bmHeight};
    gdip::BitmapData data{};
    if (api.GdipBitmapLockBits(result, &rect, kLockWrite, kPixelFormat32bppARGB, &data) != 0) {
      if (api.GdipDisposeImage) api.GdipDisposeImage(result);
      return nullptr;
    }
    for (int y = 0; y < bm.bmHeight; ++y)
      std::memcpy(static_cast<BYTE*>(data.scan0) + static_cast<ptrdiff_t>(y) * data.stride,
                  &pixels[static_cast<size_t>(y) * bm.bmWidth], static_cast<size_t>(bm.bmWidth) * 4);
    api.GdipBitmapUnlockBits(result, &data);
    return result;
  }
  if (!api.GdipCreateBitmapFromHBITMAP || api.GdipCreateBitmapFromHBITMAP(bitmap, nullptr, &result) != 0)
    return nullptr;
  return result;  // GDI+ converts other depths upright itself
}

}  // namespace kelvra
