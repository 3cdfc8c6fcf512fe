// MaskAlphaFilter: the per-pixel rule that gives GDI text on a 32-bit image back
// the alpha GDI destroyed. Pure arithmetic over 0xAARRGGBB pixels.
#pragma once

#include <cstdint>
#include <span>

namespace kelvra {

// The alpha rule alone. `source` is the white-on-opaque-black copy of the text
// (alpha 255 where the text did not touch it, red = coverage), `target` the back
// buffer's pixel. `running` carries the last untouched pixel's alpha from pixel to
// pixel, so text takes the alpha of the background it stands on.
uint32_t MaskAlphaPixel(uint32_t source, uint32_t target, int32_t& running);

struct FilterRect {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
};

// The filter with its bounds and region (rectangles in target coordinates, kept
// by the caller while the filter is used): pixels outside either are returned
// unchanged.
class MaskAlphaFilter {
 public:
  MaskAlphaFilter(int32_t boundRight, int32_t boundBottom, std::span<const FilterRect> region)
      : boundRight_(boundRight), boundBottom_(boundBottom), region_(region) {}

  uint32_t operator()(int32_t x, int32_t y, uint32_t source, uint32_t target);
  int32_t running() const { return running_; }

 private:
  bool InRegion(int32_t x, int32_t y) const;

  int32_t boundRight_, boundBottom_;
  std::span<const FilterRect> region_;
  int32_t running_ = 0;
};

}  // namespace kelvra
