// Recovering a drawing's alpha from two renderings of it, one on opaque black and
// one on white: where the system draws without writing alpha (DrawFrameControl, and
// some themed parts under Wine), this is the only way to tell drawn pixels from
// background. Pure code.
#pragma once

#include <cstdint>

namespace kelvra {

// The straight-alpha 0xAARRGGBB pixel that, composited on black and on white, gives
// `onBlack` and `onWhite` (both read as 0x..RRGGBB; their alpha bytes are ignored).
// Pixels the drawing left alone come out fully transparent (0).
constexpr uint32_t PixelFromTwoBackgrounds(uint32_t onBlack, uint32_t onWhite) {
  int coverage = 0;  // 3 x the mean of the channels' coverage, 0..765
  for (int shift = 0; shift <= 16; shift += 8) {
    const int black = static_cast<int>((onBlack >> shift) & 0xFF);
    const int white = static_cast<int>((onWhite >> shift) & 0xFF);
    const int showThrough = white > black ? white - black : 0;
    coverage += 255 - showThrough;
  }
  const int alpha = (coverage + 1) / 3;
  if (alpha <= 0) return 0;
  uint32_t pixel = static_cast<uint32_t>(alpha) << 24;
  for (int shift = 0; shift <= 16; shift += 8) {
    // On black the drawn colour arrives premultiplied: undo it.
    const int black = static_cast<int>((onBlack >> shift) & 0xFF);
    int colour = (black * 255 + alpha / 2) / alpha;
    if (colour > 255) colour = 255;
    pixel |= static_cast<uint32_t>(colour) << shift;
  }
  return pixel;
}

}  // namespace kelvra
