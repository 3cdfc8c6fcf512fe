// The alpha arithmetic of text drawn on a 32-bit back buffer.
#include "core/text/text_alpha_filter.h"

namespace kelvra {

uint32_t MaskAlphaPixel(uint32_t source, uint32_t target, int32_t& running) {
  const int32_t sourceAlpha = static_cast<int32_t>(source >> 24);
  const int32_t coverage = static_cast<int32_t>((source >> 16) & 0xFF);
  if (sourceAlpha == 255) running = static_cast<int32_t>(target >> 24);
  int32_t alpha;
  if (sourceAlpha == 0 && running == 0)
    alpha = coverage * 255 / 355;  // text on nothing stays at most about 72 % opaque
  else
    alpha = ((255 - coverage) * running + coverage * 255) / 255;
  return (target & 0x00FFFFFFu) | (static_cast<uint32_t>(alpha & 0xFF) << 24);
}

bool MaskAlphaFilter::InRegion(int32_t x, int32_t y) const {
  for (const FilterRect& r : region_)
    if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) return true;
  return false;
}

uint32_t MaskAlphaFilter::operator()(int32_t x, int32_t y, uint32_t source, uint32_t target) {
  if (x >= boundRight_ || y >= boundBottom_ || !InRegion(x, y)) return target;
  return MaskAlphaPixel(source, target, running_);
}

}  // namespace kelvra
