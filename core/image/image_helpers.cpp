// Image helpers shared across the library.
#include "core/image/image_helpers.h"

#include <commctrl.h>

#include <cstring>

#include "core/platform/platform_bindings.h"
#include "core/image/runtime_image.h"
#include "core/platform/win_handles.h"

namespace kelvra {

int MeasureImage(HANDLE image, int* width, int* height, bool maskWhenNoColour) {
  int w = 0, h = 0, isIcon = 0;
  ICONINFO info{};
  BITMAP bm{};
  if (image && GetIconInfo(static_cast<HICON>(image), &info)) {
    isIcon = 1;
    UniqueBitmap colour(info.hbmColor), mask(info.hbmMask);
    HBITMAP measured = colour ? colour.get() : (maskWhenNoColour ? mask.get() : nullptr);
    if (measured && GetObjectW(measured, sizeof(bm), &bm)) {
      w = bm.bmWidth;
      h = bm.bmHeight;
    }
  } else if (image && GetObjectType(image) == OBJ_BITMAP && GetObjectW(image, sizeof(bm), &bm) == sizeof(bm)) {
    // Checked by type: GetObjectW fills the first bytes of a BITMAP from a font's LOGFONTW too.
    w = bm.bmWidth;
    h = bm.bmHeight;
  }
  if (width) *width = w;
  if (height) *height = h;
  return isIcon;
}

int GetImageDimensions(HANDLE image, int* width, int* height) { return MeasureImage(image, width, height, true); }

HICON BitmapToIcon(HBITMAP bitmap) {
  BITMAP bm{};
  if (!bitmap || !GetObjectW(bitmap, sizeof(bm), &bm) || bm.bmWidth < 1 || bm.bmHeight < 1) return nullptr;
  UniqueImageList list(ImageList_Create(bm.bmWidth, bm.bmHeight, ILC_COLOR32 | ILC_MASK, 1, 0));
  if (!list || ImageList_Add(list.get(), bitmap, nullptr) < 0) return nullptr;
  return ImageList_GetIcon(list.get(), 0, ILD_NORMAL);
}

int32_t ImageFromBitmap(HBITMAP bitmap, int) {
  auto image = image::RuntimeImage::Adopt(bitmap);
  if (!image) return 0;
  const int32_t number = image::AddRuntimeImage(std::move(image));
  // A full table hands the bitmap back rather than deleting the caller's object.
  return number;
}

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
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  UniqueDc dc(CreateCompatibleDC(nullptr));
  if (!dc || GetDIBits(dc.get(), bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS) != height) pixels.clear();
  return pixels;
}

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
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  SetDIBits(dc, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
}

uint32_t WhiteTransparentFilter(int, int, uint32_t source, uint32_t) {
  const uint32_t colour = source & 0x00FFFFFF;
  return colour == 0x00FFFFFF ? colour : colour | 0xFF000000;
}

void FillDownArrow(HDC dc, int x, int y, int width, int height, COLORREF colour) {
  UniquePen pen(CreatePen(PS_SOLID, 0, colour));
  UniqueBrush brush(CreateSolidBrush(colour));
  if (!dc || !pen || !brush) return;
  SelectGuard selectPen(dc, pen.get());
  SelectGuard selectBrush(dc, brush.get());
  const POINT points[3] = {{x + (width - 1) / 2, y + height - 1}, {x, y}, {x + width - 1, y}};
  Polygon(dc, points, 3);
}

}  // namespace kelvra
