// The library's colour arithmetic.
#include "core/colour/colour_math.h"

namespace kelvra {

int32_t AlphaBlendRgb(int32_t colour1, int32_t colour2, int32_t alpha) {
  // 64-bit intermediates: an unclamped alpha must not overflow into undefined
  // behaviour; the result is then taken back to 32 bits as the sum it is.
  int64_t result = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const int64_t c1 = (colour1 >> shift) & 0xFF, c2 = (colour2 >> shift) & 0xFF;
    const int64_t blended = (c2 * alpha + c1 * (256 - int64_t{alpha})) / 256;
    result += blended * (int64_t{1} << shift);
  }
  return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(result)));
}

int32_t ShadeColourChannel(int32_t channel, double amount) {
  return channel - static_cast<int32_t>(channel * amount / 255.0);
}

int32_t ShadeColour(double amount, int32_t colour) {
  const int32_t r = ShadeColourChannel(colour & 0xFF, amount);
  const int32_t g = ShadeColourChannel((colour >> 8) & 0xFF, amount);
  const int32_t b = ShadeColourChannel((colour >> 16) & 0xFF, amount);
  return (r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16);
}

}  // namespace kelvra
