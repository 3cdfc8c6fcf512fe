// The library's colour arithmetic over the two packings (ARGB 0xAARRGGBB and
// Win32 RGB 0x00BBGGRR). Pure: no <windows.h>.
#pragma once

#include <cstdint>

namespace kelvra {

// ARGB: the arguments are OR-ed unmasked, so a value above 255 spills upwards.
constexpr int32_t MakeArgb(int32_t alpha, int32_t red, int32_t green, int32_t blue) {
  return static_cast<int32_t>((static_cast<uint32_t>(alpha) << 24) | (static_cast<uint32_t>(red) << 16) |
                              (static_cast<uint32_t>(green) << 8) | static_cast<uint32_t>(blue));
}
// RGB: an unmasked arithmetic sum (wrapping like the 32-bit value it is).
constexpr int32_t MakeRgbValue(int32_t red, int32_t green, int32_t blue) {
  return static_cast<int32_t>(static_cast<uint32_t>(red) + static_cast<uint32_t>(green) * 256u +
                              static_cast<uint32_t>(blue) * 65536u);
}
// Per channel (c2 * alpha + c1 * (256 - alpha)) / 256, truncating toward zero;
// the top bytes of the inputs are ignored and that of the result is 0 unless an
// unclamped alpha carries a channel over.
int32_t AlphaBlendRgb(int32_t colour1, int32_t colour2, int32_t alpha);
// One channel darkened by amount/255: channel - trunc(channel * amount / 255.0).
int32_t ShadeColourChannel(int32_t channel, double amount);
// RGB result; bits 24-31 of the colour are dropped.
int32_t ShadeColour(double amount, int32_t colour);

}  // namespace kelvra
