// Converting an icon or bitmap into a premultiplied 32-bit bitmap.
#include "premultiplied_bitmap.h"

#include <cstdint>
#include <cstring>
#include <vector>

#include "runtime/handles.h"

namespace showcase {

namespace {

BITMAPINFO Bits32(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;  // bottom-up, as the picture is read
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

// The bitmap's top `height` rows at 32 bits a pixel, bottom row first; empty on failure.
std::vector<uint32_t> ReadPixels(HBITMAP bitmap, int width, int height) {
  std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
  BITMAPINFO info = Bits32(width, height);
  HDC screen = GetDC(nullptr);
  const int rows = GetDIBits(screen, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  if (rows != height) pixels.clear();
  return pixels;
}

uint32_t Premultiplied(uint32_t pixel, uint32_t alpha) {
  const uint32_t red = ((pixel >> 16) & 0xFF) * alpha / 255;
  const uint32_t green = ((pixel >> 8) & 0xFF) * alpha / 255;
  const uint32_t blue = (pixel & 0xFF) * alpha / 255;
  return alpha << 24 | red << 16 | green << 8 | blue;
}

}  // namespace

HBITMAP ImageToPremultipliedBitmap(HANDLE image) {
  if (!image) return nullptr;
  // GetIconInfo hands out copies of the icon's bitmaps: those, and only those,
  // are ours to delete. A plain bitmap is the caller's and stays untouched.
  ICONINFO icon{};
  UniqueBitmap iconColour, iconMask;
  HBITMAP colour = nullptr, mask = nullptr;
  if (GetIconInfo(static_cast<HICON>(image), &icon)) {
    iconColour.reset(icon.hbmColor);
    iconMask.reset(icon.hbmMask);
    colour = icon.hbmColor;
    mask = icon.hbmMask;
  } else {
    colour = static_cast<HBITMAP>(image);
  }
  BITMAP picture{};
  if (!colour || GetObjectW(colour, sizeof(picture), &picture) != static_cast<int>(sizeof(picture)) ||
      picture.bmWidth < 1 || picture.bmHeight < 1)
    return nullptr;
  const int width = picture.bmWidth, height = picture.bmHeight;
  std::vector<uint32_t> pixels = ReadPixels(colour, width, height);
  if (pixels.empty()) return nullptr;
  // An icon's mask is as tall as its colour picture; white (set) bits are transparent.
  const std::vector<uint32_t> maskPixels = mask ? ReadPixels(mask, width, height) : std::vector<uint32_t>{};
  const bool ownAlpha = picture.bmBitsPixel == 32;

  for (size_t i = 0; i < pixels.size(); ++i) {
    uint32_t alpha = ownAlpha ? pixels[i] >> 24 : 0;
    if (alpha == 0) {
      if (!maskPixels.empty()) alpha = (maskPixels[i] & 0xFFFFFF) ? 0 : 255;
      else if (!ownAlpha) alpha = 255;
    }
    pixels[i] = Premultiplied(pixels[i], alpha);
  }

  BITMAPINFO info = Bits32(width, height);
  void* bits = nullptr;
  UniqueBitmap result(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!result || !bits) return nullptr;
  std::memcpy(bits, pixels.data(), pixels.size() * sizeof(uint32_t));
  GdiFlush();
  return result.release();
}

}  // namespace showcase
