// A floating-point RGBA canvas with straight (not premultiplied) alpha, the shapes
// the showcase pictures are drawn from, and the random source that places their
// details. Nothing here reads the clock or the machine: equal input, equal pixels.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace showcase_icons {

// Channels and alpha from 0 to 1; alpha straight.
struct Colour {
  float r = 0, g = 0, b = 0, a = 0;
};

Colour Rgb(int red, int green, int blue, float alpha = 1.0f);
Colour Mix(Colour from, Colour to, float t);
float Clamp01(float value);
float SmoothStep(float edge0, float edge1, float value);

class Canvas {
 public:
  Canvas(int width, int height);
  int width() const { return width_; }
  int height() const { return height_; }
  Colour& at(int x, int y) { return pixels_[static_cast<size_t>(y) * width_ + x]; }
  const Colour& at(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }
  // Porter-Duff "over": the colour, with its alpha scaled by coverage, onto a pixel.
  void Over(int x, int y, Colour colour, float coverage);
  // Light added channel by channel (for opaque pictures), clamped only on output.
  void Add(int x, int y, float red, float green, float blue);
  // Rows top-down; channels rounded to the nearest of 0..255.
  std::vector<uint8_t> Rgba8() const;
  std::vector<uint8_t> Rgb8() const;

 private:
  int width_, height_;
  std::vector<Colour> pixels_;
};

// Signed distances in pixels from a point to a shape's outline, negative inside.
float CircleDistance(float px, float py, float cx, float cy, float radius);
float CapsuleDistance(float px, float py, float ax, float ay, float bx, float by, float radius);
float RoundedBoxDistance(float px, float py, float left, float top, float right, float bottom,
                         float radius);
// The share of a pixel that a shape covers, from the signed distance at the
// pixel's centre: a one-pixel anti-aliased edge.
float Coverage(float distance);

// SplitMix64: the same sequence for the same seed on every platform.
class Random {
 public:
  explicit Random(uint64_t seed) : state_(seed) {}
  uint64_t Next();
  // Uniform in [0, 1).
  float Uniform();

 private:
  uint64_t state_;
};

}  // namespace showcase_icons
