// Colour-space conversions of hue recolouring. Pure: no <windows.h>.
#pragma once

#include <cstdint>

namespace kelvra {

struct Hsv {
  float hue = 0;         // degrees, 0..360
  float saturation = 0;  // 0..1
  float value = 0;       // 0..1
};

// From an RGB colour (red in bits 0-7). Ties of the maximum go to red, then green.
Hsv RgbToHsv(int32_t rgb);
// To an RGB colour; each channel truncate(v * 255.0).
int32_t HslToRgb(float hue, float saturation, float lightness);

}  // namespace kelvra
