// Per-pixel filters for RuntimeImage drawing. Pure arithmetic over 0xAARRGGBB
// pixels.
#pragma once

#include <cstdint>

namespace kelvra {

// Per-pixel filter: white source pixels become transparent, others opaque.
uint32_t WhiteTransparentFilter(int x, int y, uint32_t source, uint32_t target);

}  // namespace kelvra
