// Per-pixel filters.
#include "core/image/pixel_filters.h"

namespace kelvra {

uint32_t WhiteTransparentFilter(int, int, uint32_t source, uint32_t) {
  const uint32_t colour = source & 0x00FFFFFF;
  return colour == 0x00FFFFFF ? colour : colour | 0xFF000000;
}

}  // namespace kelvra
