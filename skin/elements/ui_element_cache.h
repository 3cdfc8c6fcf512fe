// UIElementCache: the bitmaps the UI-style painter keeps per element of the two
// Office tables, one that is replaced on a miss and a list of size variants.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "core/platform/win_handles.h"
#include "skin/ui_colours/ui_colour_tables.h"

namespace kelvra {

// Cache flags of PaintUIElement.
inline constexpr uint32_t kUIElementWidthExact = 0x100;
inline constexpr uint32_t kUIElementHeightExact = 0x1000;
inline constexpr uint32_t kUIElementVariants = 0x10000;

// Whether a cached bitmap of cachedWidth x cachedHeight serves a request of
// width x height under `flags` (0x10000 already removed): 0 it may be larger;
// 0x100 the width must match; 0x1000 the height must match; else both must.
bool CachedSizeFits(uint32_t flags, int cachedWidth, int cachedHeight, int width, int height);

// A memory DC with its own bitmap selected, width x height.
class CachedSurface {
 public:
  CachedSurface() = default;
  ~CachedSurface() { Reset(); }
  CachedSurface(CachedSurface&& other) noexcept;
  CachedSurface& operator=(CachedSurface&& other) noexcept;
  CachedSurface(const CachedSurface&) = delete;
  CachedSurface& operator=(const CachedSurface&) = delete;

  // A DC compatible with `like` and a compatible bitmap of width x height; false
  // (and empty) when either cannot be made.
  bool Create(HDC like, int width, int height);
  void Reset();
  bool Fits(uint32_t flags, int width, int height) const {
    return dc_ && CachedSizeFits(flags, width_, height_, width, height);
  }
  HDC dc() const { return dc_.get(); }
  int width() const { return width_; }
  int height() const { return height_; }

 private:
  UniqueDc dc_;
  UniqueBitmap bitmap_;
  HGDIOBJ original_ = nullptr;  // the DC's own bitmap, selected back before the DC goes
  int width_ = 0, height_ = 0;
};

struct UIElementCache {
  CachedSurface single;
  std::vector<CachedSurface> variants;  // flushed entries stay, empty, for reuse
};

// The cache of an element of an Office table (element 0 to 56).
UIElementCache& ElementCache(UITable table, int32_t element);

// Empties every cached bitmap of the two Office tables; variant entries stay.
void FlushUIElementCache();

}  // namespace kelvra
