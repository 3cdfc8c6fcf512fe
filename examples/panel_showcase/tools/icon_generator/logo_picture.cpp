// The logo: a glowing ring in a cyan-to-violet sweep around a silver "K" and a
// golden spark.
#include <algorithm>
#include <cmath>

#include "pictures.h"

namespace showcase_icons {

namespace {

constexpr int kSize = 256;
constexpr float kCentre = kSize / 2.0f;
constexpr float kRingRadius = 104.0f;
constexpr float kRingHalfWidth = 9.0f;

// The letter: a stem and two arms, as round-ended strokes.
float LetterDistance(float x, float y) {
  const float stem = CapsuleDistance(x, y, 96, 72, 96, 184, 13);
  const float upperArm = CapsuleDistance(x, y, 106, 134, 162, 74, 12);
  const float lowerArm = CapsuleDistance(x, y, 116, 122, 166, 184, 12);
  return std::min({stem, upperArm, lowerArm});
}

// A four-pointed spark: two thin crossed rays over a small round core.
float SparkAlpha(float x, float y, float cx, float cy) {
  const float dx = std::fabs(x - cx), dy = std::fabs(y - cy);
  const float rays = std::max(std::exp(-dx / 1.6f - dy / 9.0f), std::exp(-dy / 1.6f - dx / 9.0f));
  const float core = std::exp(-(dx * dx + dy * dy) / 18.0f);
  return Clamp01(std::max(rays, core) * 1.2f);
}

}  // namespace

Canvas DrawLogo() {
  Canvas canvas(kSize, kSize);
  const Colour cyan = Rgb(90, 210, 255), violet = Rgb(176, 110, 255);
  const Colour silverTop = Rgb(246, 249, 255), silverBottom = Rgb(172, 188, 226);
  const Colour gold = Rgb(255, 214, 120);
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      const float px = x + 0.5f, py = y + 0.5f;
      const float fromCentre = std::hypot(px - kCentre, py - kCentre);
      const float sweep = Clamp01((py - (kCentre - kRingRadius)) / (2 * kRingRadius));
      const Colour ringColour = Mix(cyan, violet, sweep);

      // A soft glow on both sides of the ring: graded alpha on the transparent ground.
      const float offRing = (fromCentre - kRingRadius) / 16.0f;
      Colour glow = ringColour;
      glow.a = 0.45f * std::exp(-offRing * offRing);
      canvas.Over(x, y, glow, 1.0f);

      const float ring = std::fabs(fromCentre - kRingRadius) - kRingHalfWidth;
      canvas.Over(x, y, ringColour, Coverage(ring));

      const Colour letter = Mix(silverTop, silverBottom, Clamp01((py - 72) / 112));
      canvas.Over(x, y, letter, Coverage(LetterDistance(px, py)));

      Colour spark = gold;
      spark.a = SparkAlpha(px, py, 172, 100);
      canvas.Over(x, y, spark, 1.0f);
    }
  }
  return canvas;
}

}  // namespace showcase_icons
