// Colour-space conversions of hue recolouring.
#include "core/image/image_colour_space.h"

#include <algorithm>

namespace kelvra {

Hsv RgbToHsv(int32_t rgb) {
  const float r = (rgb & 0xFF) / 255.0f, g = ((rgb >> 8) & 0xFF) / 255.0f, b = ((rgb >> 16) & 0xFF) / 255.0f;
  const float max = std::max({r, g, b}), min = std::min({r, g, b});
  Hsv hsv;
  hsv.value = max;
  hsv.saturation = max == 0 ? 0.0f : (max - min) / max;
  if (hsv.saturation == 0) return hsv;
  const float delta = max - min;
  if (r == max)
    hsv.hue = 60 * (g - b) / delta;
  else if (g == max)
    hsv.hue = 60 * (b - r) / delta + 120;
  else
    hsv.hue = 60 * (r - g) / delta + 240;
  if (hsv.hue < 0) hsv.hue += 360;
  return hsv;
}

namespace {
double HueChannel(double p, double q, double t) {
  if (t < 0) t += 1;
  if (t > 1) t -= 1;
  if (6 * t < 1) return p + (q - p) * 6 * t;
  if (2 * t < 1) return q;
  if (3 * t < 2) return p + (q - p) * (2.0 / 3.0 - t) * 6;
  return p;
}
// Decided before converting: a lightness far outside 0..1 (or NaN) would overflow
// the conversion to int, which is undefined and in practice reads as 0.
int32_t Channel(double v) {
  if (!(v > 0)) return 0;
  if (v >= 1) return 255;
  return std::clamp(static_cast<int32_t>(v * 255.0), 0, 255);
}
}  // namespace

int32_t HslToRgb(float hue, float saturation, float lightness) {
  const double h = hue, s = saturation, l = lightness;
  double r = l, g = l, b = l;
  if (s != 0) {
    const double q = l < 0.5 ? l * (1 + s) : l + s - l * s;
    const double p = 2 * l - q;
    r = HueChannel(p, q, h / 360 + 1.0 / 3.0);
    g = HueChannel(p, q, h / 360);
    b = HueChannel(p, q, h / 360 - 1.0 / 3.0);
  }
  return Channel(r) | (Channel(g) << 8) | (Channel(b) << 16);
}

}  // namespace kelvra
