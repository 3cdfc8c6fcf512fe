// The vertical and horizontal strip caches: each strip is computed once per
// orientation, opacity and colour and reused while later requests fit inside it.
#include "core/shadow/strip_cache.h"

namespace kelvra {

namespace {

// A 32-bit BI_RGB header; a negative height lays the rows out top-down.
BITMAPINFO Bitmap32Info(int32_t width, int32_t height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

void Empty(StripCache& cache) {
  if (cache.memoryDc) {
    if (cache.oldBitmap) SelectObject(cache.memoryDc, cache.oldBitmap);
    DeleteDC(cache.memoryDc);
  }
  if (cache.bitmap) DeleteObject(cache.bitmap);
  cache = StripCache{};
}

bool Fits(const StripCache& cache, bool vertical, int32_t thickness, int32_t length, int32_t opacity, uint32_t colour) {
  if (!cache.bitmap) return false;
  const int32_t cachedThickness = vertical ? cache.width : cache.height;
  const int32_t cachedLength = vertical ? cache.height : cache.width;
  return cachedThickness >= thickness && cachedLength >= length && cache.opacity == opacity && cache.colour == colour;
}

// A new cache holding the strip, or an empty one when GDI refuses.
StripCache MakeCache(bool vertical, int32_t thickness, int32_t length, int32_t opacity, uint32_t colour) {
  StripCache made;
  const StripPicture picture = MakeStripPicture(vertical, thickness, length, opacity, colour, RowOrder::BottomUp);
  uint32_t* bits = nullptr;
  made.bitmap = CreateShadowBitmap(picture.width, picture.height, &bits);
  made.memoryDc = CreateCompatibleDC(nullptr);
  if (!made.bitmap || !made.memoryDc) {
    Empty(made);
    return made;
  }
  const BITMAPINFO info = Bitmap32Info(picture.width, picture.height);  // bottom-up, as the pixels were laid out
  // SetDIBits wants the bitmap outside every DC, so it is filled before selection.
  if (SetDIBits(made.memoryDc, made.bitmap, 0, static_cast<UINT>(picture.height), picture.pixels.data(), &info,
                DIB_RGB_COLORS) != picture.height) {
    Empty(made);
    return made;
  }
  made.oldBitmap = SelectObject(made.memoryDc, made.bitmap);
  made.width = picture.width;
  made.height = picture.height;
  made.opacity = opacity;
  made.colour = colour;
  return made;
}

}  // namespace

std::recursive_mutex& ShadowStateLock() {
  static std::recursive_mutex lock;
  return lock;
}

StripCache& VerticalStripCache() {
  static StripCache cache;
  return cache;
}

StripCache& HorizontalStripCache() {
  static StripCache cache;
  return cache;
}

HBITMAP CreateShadowBitmap(int32_t width, int32_t height, uint32_t** bits) {
  *bits = nullptr;
  if (width < 1 || height < 1) return nullptr;
  const BITMAPINFO info = Bitmap32Info(width, -height);
  void* pixels = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
  if (!bitmap) return nullptr;
  *bits = static_cast<uint32_t*>(pixels);
  return bitmap;
}

StripCache* StripCacheFor(bool vertical, int32_t thickness, int32_t length, int32_t opacity, uint32_t colour) {
  StripCache& cache = vertical ? VerticalStripCache() : HorizontalStripCache();
  if (Fits(cache, vertical, thickness, length, opacity, colour)) return &cache;
  // Made first and swapped in after: a strip that cannot be made leaves the old one.
  StripCache made = MakeCache(vertical, thickness, length, opacity, colour);
  if (!made.bitmap) return nullptr;
  Empty(cache);
  cache = made;
  return &cache;
}

bool FreeStripCaches() {
  bool freed = false;
  for (StripCache* cache : {&VerticalStripCache(), &HorizontalStripCache()}) {
    if (!cache->bitmap) continue;
    Empty(*cache);
    freed = true;
  }
  return freed;
}

}  // namespace kelvra
