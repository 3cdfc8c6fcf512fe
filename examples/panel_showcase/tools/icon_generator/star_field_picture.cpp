// The star field behind the showcase's gradient: faint nebulae and a few hundred
// stars on deep blue. Noise lattices and star glows wrap around the edges, so the
// picture tiles without seams.
#include <cmath>
#include <vector>

#include "pictures.h"

namespace showcase_icons {

namespace {

constexpr int kSize = 256;

int Wrap(int value) { return ((value % kSize) + kSize) % kSize; }

// Smooth value noise over a cells x cells lattice spread across the tile.
class TileNoise {
 public:
  TileNoise(int cells, Random& random) : cells_(cells), values_(static_cast<size_t>(cells) * cells) {
    for (float& value : values_) value = random.Uniform();
  }
  float At(float x, float y) const {
    const float cell = static_cast<float>(kSize) / cells_;
    const float fx = x / cell, fy = y / cell;
    const int x0 = static_cast<int>(std::floor(fx)), y0 = static_cast<int>(std::floor(fy));
    const float tx = SmoothStep(0, 1, fx - x0), ty = SmoothStep(0, 1, fy - y0);
    const float top = Lerp(Value(x0, y0), Value(x0 + 1, y0), tx);
    const float bottom = Lerp(Value(x0, y0 + 1), Value(x0 + 1, y0 + 1), tx);
    return Lerp(top, bottom, ty);
  }

 private:
  static float Lerp(float a, float b, float t) { return a + (b - a) * t; }
  float Value(int cx, int cy) const {
    cx = ((cx % cells_) + cells_) % cells_;
    cy = ((cy % cells_) + cells_) % cells_;
    return values_[static_cast<size_t>(cy) * cells_ + cx];
  }
  int cells_;
  std::vector<float> values_;
};

void PaintNebulae(Canvas& canvas, Random& random) {
  const TileNoise broad(4, random), fine(8, random), tint(4, random);
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      const float px = x + 0.5f, py = y + 0.5f;
      const float cloud = 0.65f * broad.At(px, py) + 0.35f * fine.At(px, py);
      const float density = cloud * cloud * cloud;
      const float hue = tint.At(px, py);
      Colour& pixel = canvas.at(x, y);
      pixel = Rgb(5, 7, 20);
      canvas.Add(x, y, density * (0.10f + 0.12f * hue), density * 0.06f,
                 density * (0.22f - 0.08f * hue));
    }
  }
}

void PaintStar(Canvas& canvas, float sx, float sy, float sigma, float brightness, Colour colour,
               bool rays) {
  const int reach = static_cast<int>(std::ceil(sigma * 4.0f)) + (rays ? 6 : 0);
  const int cx = static_cast<int>(std::floor(sx)), cy = static_cast<int>(std::floor(sy));
  for (int iy = cy - reach; iy <= cy + reach; ++iy) {
    for (int ix = cx - reach; ix <= cx + reach; ++ix) {
      const float dx = ix + 0.5f - sx, dy = iy + 0.5f - sy;
      float light = std::exp(-(dx * dx + dy * dy) / (2 * sigma * sigma));
      if (rays) {
        const float ax = std::fabs(dx), ay = std::fabs(dy);
        light += 0.5f * std::max(std::exp(-ay * ay * 2.0f - ax / 2.5f), std::exp(-ax * ax * 2.0f - ay / 2.5f));
      }
      light *= brightness;
      canvas.Add(Wrap(ix), Wrap(iy), colour.r * light, colour.g * light, colour.b * light);
    }
  }
}

}  // namespace

Canvas DrawStarField() {
  Canvas canvas(kSize, kSize);
  Random random(0x5EED57A55EEDull);
  PaintNebulae(canvas, random);
  const Colour colours[] = {Rgb(255, 255, 255), Rgb(190, 210, 255), Rgb(255, 236, 200),
                            Rgb(220, 230, 255)};
  constexpr int kStars = 230;
  for (int i = 0; i < kStars; ++i) {
    const float sx = random.Uniform() * kSize, sy = random.Uniform() * kSize;
    const float u = random.Uniform();
    const float brightness = 0.25f + 0.85f * u * u * u;
    const float sigma = 0.45f + 0.6f * random.Uniform() * u;
    const Colour colour = colours[random.Next() % 4];
    const bool rays = i % 29 == 0;
    PaintStar(canvas, sx, sy, rays ? sigma + 0.4f : sigma, rays ? 1.0f : brightness, colour, rays);
  }
  return canvas;
}

}  // namespace showcase_icons
