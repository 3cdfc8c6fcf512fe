// Star pictures: the particles of the showcase, blended at any size from 128 x 128.
#include <algorithm>
#include <cmath>

#include "pictures.h"

namespace showcase_icons {

Canvas DrawStar(Colour tint) {
  constexpr int kSize = 128;
  constexpr float kCentre = kSize / 2.0f;
  Canvas canvas(kSize, kSize);
  const Colour white = Rgb(255, 255, 255);
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      const float dx = std::fabs(x + 0.5f - kCentre), dy = std::fabs(y + 0.5f - kCentre);
      const float r = std::hypot(dx, dy);
      const float core = Clamp01((7.0f - r) / 3.0f);
      const float glow = std::exp(-(r * r) / (14.0f * 14.0f));
      const float halo = 0.35f * std::exp(-(r * r) / (30.0f * 30.0f));
      const float rays = 0.85f * std::max(std::exp(-(dy * dy) / 2.5f - dx / 22.0f),
                                          std::exp(-(dx * dx) / 2.5f - dy / 22.0f));
      // Everything fades out before radius 60, so edges and corners are fully clear.
      const float fade = 1.0f - SmoothStep(44.0f, 60.0f, r);
      Colour pixel = Mix(tint, white, Clamp01(1.3f * std::exp(-(r * r) / (9.0f * 9.0f))));
      pixel.a = Clamp01(core + glow + halo + rays) * fade;
      canvas.Over(x, y, pixel, 1.0f);
    }
  }
  return canvas;
}

}  // namespace showcase_icons
