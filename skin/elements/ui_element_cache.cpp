// The UI element caches and their flush.
#include "skin/elements/ui_element_cache.h"

#include <utility>

namespace kelvra {

bool CachedSizeFits(uint32_t flags, int cachedWidth, int cachedHeight, int width, int height) {
  switch (flags) {
    case 0: return cachedWidth >= width && cachedHeight >= height;
    case kUIElementWidthExact: return cachedWidth == width && cachedHeight >= height;
    case kUIElementHeightExact: return cachedHeight == height && cachedWidth >= width;
    default: return cachedWidth == width && cachedHeight == height;
  }
}

CachedSurface::CachedSurface(CachedSurface&& other) noexcept { *this = std::move(other); }

CachedSurface& CachedSurface::operator=(CachedSurface&& other) noexcept {
  if (this == &other) return *this;
  Reset();
  dc_ = std::move(other.dc_);
  bitmap_ = std::move(other.bitmap_);
  original_ = std::exchange(other.original_, nullptr);
  width_ = std::exchange(other.width_, 0);
  height_ = std::exchange(other.height_, 0);
  return *this;
}

bool CachedSurface::Create(HDC like, int width, int height) {
  Reset();
  UniqueDc dc(CreateCompatibleDC(like));
  UniqueBitmap bitmap(CreateCompatibleBitmap(like, width, height));
  if (!dc || !bitmap) return false;
  original_ = SelectObject(dc.get(), bitmap.get());
  dc_ = std::move(dc);
  bitmap_ = std::move(bitmap);
  width_ = width;
  height_ = height;
  return true;
}

void CachedSurface::Reset() {
  // A bitmap selected into a DC cannot be deleted: put the DC's own back first.
  if (dc_ && original_) SelectObject(dc_.get(), original_);
  original_ = nullptr;
  dc_.reset();
  bitmap_.reset();
  width_ = height_ = 0;
}

UIElementCache& ElementCache(UITable table, int32_t element) {
  static UIElementCache caches[2][kUIColourEntries];
  return caches[table == UITable::Office2007 ? 1 : 0][element];
}

void FlushUIElementCache() {
  for (UITable table : {UITable::Office2003, UITable::Office2007})
    for (int32_t element = 0; element < kUIColourEntries; ++element) {
      UIElementCache& cache = ElementCache(table, element);
      cache.single.Reset();
      for (CachedSurface& variant : cache.variants) variant.Reset();
    }
}

}  // namespace kelvra
