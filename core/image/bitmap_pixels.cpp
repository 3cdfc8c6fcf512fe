// A bitmap's pixels read from its section memory or through GetDIBits, and the
// zero-alpha fill.
#include "core/image/bitmap_pixels.h"

#include <cstring>

#include "core/image/runtime_image.h"
#include "core/platform/win_handles.h"

namespace kelvra {

namespace {

// 32-bit pixels, top row first, as GetDIBits and SetDIBits exchange them here.
BITMAPINFO TopDown32BitInfo(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

}  // namespace

std::vector<uint32_t> ReadBitmapPixels(HBITMAP bitmap, int width, int height) {
  std::vector<uint32_t> pixels;
  if (!bitmap || width < 1 || height < 1 || !image::SizeAllowed(width, height)) return pixels;
  pixels.resize(static_cast<size_t>(width) * height);
  DIBSECTION section{};
  if (GetObjectW(bitmap, sizeof(section), &section) == sizeof(section) && section.dsBm.bmBits &&
      section.dsBm.bmBitsPixel == 32 && section.dsBm.bmWidth >= width && section.dsBm.bmHeight >= height) {
    // A 32-bit section is read from its memory: GetDIBits refuses a bitmap that is
    // selected into a DC on some systems, and painters keep theirs selected.
    GdiFlush();
    const bool topDown = section.dsBmih.biHeight < 0;
    const auto* bits = static_cast<const uint8_t*>(section.dsBm.bmBits);
    for (int y = 0; y < height; ++y) {
      const int memoryRow = topDown ? y : section.dsBm.bmHeight - 1 - y;
      std::memcpy(&pixels[static_cast<size_t>(y) * width],
                  bits + static_cast<size_t>(memoryRow) * section.dsBm.bmWidthBytes, static_cast<size_t>(width) * 4);
    }
    return pixels;
  }
  BITMAPINFO info = TopDown32BitInfo(width, height);
  UniqueDc dc(CreateCompatibleDC(nullptr));
  if (!dc || GetDIBits(dc.get(), bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS) != height) pixels.clear();
  return pixels;
}

void FillZeroAlpha(HDC dc, HBITMAP bitmap, BYTE alpha) {
  DIBSECTION section{};
  const int got = bitmap ? GetObjectW(bitmap, sizeof(section), &section) : 0;
  if (got < static_cast<int>(sizeof(BITMAP)) || section.dsBm.bmBitsPixel != 32) return;
  const int width = section.dsBm.bmWidth, height = section.dsBm.bmHeight;
  if (got == static_cast<int>(sizeof(section)) && section.dsBm.bmBits) {
    GdiFlush();
    auto* bits = static_cast<uint8_t*>(section.dsBm.bmBits);
    for (int y = 0; y < height; ++y) {
      uint8_t* row = bits + static_cast<size_t>(y) * section.dsBm.bmWidthBytes;
      for (int x = 0; x < width; ++x)
        if (row[x * 4 + 3] == 0) row[x * 4 + 3] = alpha;
    }
    return;
  }
  std::vector<uint32_t> pixels = ReadBitmapPixels(bitmap, width, height);
  if (pixels.empty()) return;
  for (auto& p : pixels)
    if (!(p >> 24)) p |= static_cast<uint32_t>(alpha) << 24;
  BITMAPINFO info = TopDown32BitInfo(width, height);
  SetDIBits(dc, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
}

}  // namespace kelvra
