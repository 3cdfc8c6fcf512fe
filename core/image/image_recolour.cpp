// Recolouring of icons and bitmaps: the source is read at 32 bits, each pixel goes
// through the pure arithmetic, and the result is a new DIB section or icon.
#include "core/image/image_recolour.h"

#include <vector>

#include "core/image/image_cache.h"
#include "core/image/bitmap_conversion.h"
#include "core/image/bitmap_pixels.h"
#include "core/image/runtime_image.h"
#include "core/platform/win_handles.h"

namespace kelvra {
namespace {

template <class PixelColour>
HANDLE Recolour(HANDLE image, int32_t flags, float alpha, PixelColour&& colourOf) {
  if (!image) return nullptr;
  ICONINFO info{};
  const bool isIcon = GetIconInfo(static_cast<HICON>(image), &info) != FALSE;
  UniqueBitmap iconColour(isIcon ? info.hbmColor : nullptr), iconMask(isIcon ? info.hbmMask : nullptr);
  HBITMAP work = isIcon ? iconColour.get() : static_cast<HBITMAP>(image);
  BITMAP bm{};
  if (!work || GetObjectW(work, sizeof(bm), &bm) < static_cast<int>(sizeof(BITMAP)) || bm.bmWidth < 1 ||
      bm.bmHeight < 1)
    return nullptr;
  const int width = bm.bmWidth, height = bm.bmHeight;
  std::vector<uint32_t> pixels = ReadBitmapPixels(work, width, height);
  if (pixels.empty()) return nullptr;
  std::vector<uint32_t> mask;
  BITMAP maskInfo{};
  if (iconMask && GetObjectW(iconMask.get(), sizeof(maskInfo), &maskInfo) && maskInfo.bmWidth > 0 &&
      maskInfo.bmHeight > 0)
    mask = ReadBitmapPixels(iconMask.get(), width, height);
  auto result = image::RuntimeImage::Create(width, height, 32);
  if (!result) return nullptr;
  const bool hasAlpha = bm.bmBitsPixel == 32;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const size_t i = static_cast<size_t>(y) * width + x;
      const uint32_t pixel = pixels[i];
      int a = -1;
      if (hasAlpha) {
        a = static_cast<int>(pixel >> 24);
        // An icon without an alpha channel says what is transparent by its mask.
        if (a == 0 && !mask.empty()) a = (mask[i] & 0xFF) == 0 ? 255 : 0;
      }
      result->SetPixel(x, y, (BlendAlpha(a, alpha) << 24) | colourOf(pixel));
    }
  HANDLE out = nullptr;
  if (flags & kRecolourAsIcon)
    out = BitmapToIcon(result->Bitmap());
  else
    out = result->Detach();
  // The source may be shared through the cache with other holders: releasing it
  // through FreeImg drops this holder only.
  if (out && (flags & kRecolourFreeSource)) FreeImage(image);
  return out;
}

}  // namespace

HANDLE BlendImage(HANDLE image, BlendSettings settings, int32_t flags) {
  settings.greyscale = (flags & kRecolourGreyscale) != 0;
  settings.Prepare();
  return Recolour(image, flags, settings.alpha, [&](uint32_t p) { return BlendColour(p, settings); });
}

HANDLE HueBlendImage(HANDLE image, HueBlendSettings settings, int32_t flags) {
  settings.Prepare();
  return Recolour(image, flags, settings.alpha, [&](uint32_t p) { return HueBlendColour(p, settings); });
}

}  // namespace kelvra
