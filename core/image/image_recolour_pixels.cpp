// The per-pixel arithmetic of the recolouring operations.
#include "core/image/image_recolour_pixels.h"

#include <algorithm>
#include <cmath>

#include "core/image/image_colour_space.h"

namespace kelvra {
namespace {
// Round to nearest, ties to even (the default floating-point rounding mode).
int Round(double v) {
  if (!(v > -1e9 && v < 1e9)) return v > 0 ? 1000000000 : 0;  // NaN and huge values stay defined
  return static_cast<int>(std::nearbyint(v));
}
int Clamp255(int v) { return std::clamp(v, 0, 255); }
}  // namespace

void BlendSettings::Prepare() {
  alpha = std::clamp(std::isnan(alpha) ? 1.0f : alpha, 1.0f, 255.0f);
  // The contrast factor divides by (259 - contrast): beyond 255 it passes through
  // infinity at 259 and turns negative, so the defined range is -255..255.
  contrast = std::clamp(std::isnan(contrast) ? 0.0f : contrast, -255.0f, 255.0f);
}

void HueBlendSettings::Prepare() {
  alpha = std::clamp(std::isnan(alpha) ? 1.0f : alpha, 1.0f, 255.0f);
  const Hsv hsv = RgbToHsv(colour);
  hue = hsv.hue;
  saturation = std::clamp(hsv.saturation + (std::isnan(saturationShift) ? 0.0f : saturationShift), 0.0f, 1.0f);
}

uint32_t BlendAlpha(int sourceAlpha, float alpha) {
  const double a = sourceAlpha < 0 ? alpha : sourceAlpha / 255.0 * alpha;
  return static_cast<uint32_t>(Clamp255(Round(a)));
}

int TintChannel(int channel, int target, float amount) {
  return Round((static_cast<double>(target) * amount + static_cast<double>(channel) * (256.0 - amount)) / 256.0);
}

uint32_t BlendColour(uint32_t pixel, const BlendSettings& s) {
  int r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
  if (s.greyscale) {
    const float grey = 0.2989f * r + 0.5870f * g + 0.1140f * b;
    r = g = b = Round(grey);
  }
  r = TintChannel(r, s.colour & 0xFF, s.amount);
  g = TintChannel(g, (s.colour >> 8) & 0xFF, s.amount);
  b = TintChannel(b, (s.colour >> 16) & 0xFF, s.amount);
  const double factor = (s.contrast + 255.0) * 259.0 / ((259.0 - s.contrast) * 255.0);
  auto contrast = [&](int c) { return Clamp255(Round((c - 128) * factor + 128)); };
  auto bright = [&](int c) { return Clamp255(Round(c + static_cast<double>(s.brightness))); };
  r = bright(contrast(r));
  g = bright(contrast(g));
  b = bright(contrast(b));
  return (static_cast<uint32_t>(r) << 16) | (static_cast<uint32_t>(g) << 8) | static_cast<uint32_t>(b);
}

uint32_t HueBlendColour(uint32_t pixel, const HueBlendSettings& s) {
  const int r0 = (pixel >> 16) & 0xFF, g0 = (pixel >> 8) & 0xFF, b0 = pixel & 0xFF;
  const int luma = Round(0.299 * r0 + 0.587 * g0 + 0.114 * b0);
  const double k = static_cast<double>(s.lightness) * 2 - 1;
  const double l = k < 0 ? luma / 255.0 * (k + 1) : luma / 255.0 * (1 - k) + k;
  const int32_t rgb = HslToRgb(s.hue, s.saturation, static_cast<float>(l));
  const int r = Clamp255(TintChannel(rgb & 0xFF, s.blendColour & 0xFF, s.amount));
  const int g = Clamp255(TintChannel((rgb >> 8) & 0xFF, (s.blendColour >> 8) & 0xFF, s.amount));
  const int b = Clamp255(TintChannel((rgb >> 16) & 0xFF, (s.blendColour >> 16) & 0xFF, s.amount));
  return (static_cast<uint32_t>(r) << 16) | (static_cast<uint32_t>(g) << 8) | static_cast<uint32_t>(b);
}

}  // namespace kelvra
