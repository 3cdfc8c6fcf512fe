// The canvas, its compositing and quantising, and the distance functions of shapes.
#include "canvas.h"

#include <algorithm>
#include <cmath>

namespace showcase_icons {

Colour Rgb(int red, int green, int blue, float alpha) {
  return {red / 255.0f, green / 255.0f, blue / 255.0f, alpha};
}

Colour Mix(Colour from, Colour to, float t) {
  return {from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t, from.b + (to.b - from.b) * t,
          from.a + (to.a - from.a) * t};
}

float Clamp01(float value) { return std::clamp(value, 0.0f, 1.0f); }

float SmoothStep(float edge0, float edge1, float value) {
  const float t = Clamp01((value - edge0) / (edge1 - edge0));
  return t * t * (3.0f - 2.0f * t);
}

Canvas::Canvas(int width, int height)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height) {}

void Canvas::Over(int x, int y, Colour colour, float coverage) {
  const float sourceAlpha = Clamp01(colour.a * coverage);
  if (sourceAlpha <= 0.0f) return;
  Colour& pixel = at(x, y);
  const float under = pixel.a * (1.0f - sourceAlpha);
  const float alpha = sourceAlpha + under;
  pixel.r = (colour.r * sourceAlpha + pixel.r * under) / alpha;
  pixel.g = (colour.g * sourceAlpha + pixel.g * under) / alpha;
  pixel.b = (colour.b * sourceAlpha + pixel.b * under) / alpha;
  pixel.a = alpha;
}

void Canvas::Add(int x, int y, float red, float green, float blue) {
  Colour& pixel = at(x, y);
  pixel.r += red;
  pixel.g += green;
  pixel.b += blue;
}

namespace {
uint8_t Quantise(float value) { return static_cast<uint8_t>(std::lround(Clamp01(value) * 255.0f)); }
}  // namespace

std::vector<uint8_t> Canvas::Rgba8() const {
  std::vector<uint8_t> bytes;
  bytes.reserve(pixels_.size() * 4);
  for (const Colour& pixel : pixels_) {
    const uint8_t alpha = Quantise(pixel.a);
    // A fully transparent pixel carries no colour, so equal pictures stay equal bytes.
    bytes.push_back(alpha ? Quantise(pixel.r) : 0);
    bytes.push_back(alpha ? Quantise(pixel.g) : 0);
    bytes.push_back(alpha ? Quantise(pixel.b) : 0);
    bytes.push_back(alpha);
  }
  return bytes;
}

std::vector<uint8_t> Canvas::Rgb8() const {
  std::vector<uint8_t> bytes;
  bytes.reserve(pixels_.size() * 3);
  for (const Colour& pixel : pixels_) {
    bytes.push_back(Quantise(pixel.r));
    bytes.push_back(Quantise(pixel.g));
    bytes.push_back(Quantise(pixel.b));
  }
  return bytes;
}

float CircleDistance(float px, float py, float cx, float cy, float radius) {
  return std::hypot(px - cx, py - cy) - radius;
}

float CapsuleDistance(float px, float py, float ax, float ay, float bx, float by, float radius) {
  const float abx = bx - ax, aby = by - ay;
  const float t = Clamp01(((px - ax) * abx + (py - ay) * aby) / (abx * abx + aby * aby));
  return std::hypot(px - (ax + abx * t), py - (ay + aby * t)) - radius;
}

float RoundedBoxDistance(float px, float py, float left, float top, float right, float bottom,
                         float radius) {
  const float cx = (left + right) / 2, cy = (top + bottom) / 2;
  const float qx = std::fabs(px - cx) - ((right - left) / 2 - radius);
  const float qy = std::fabs(py - cy) - ((bottom - top) / 2 - radius);
  const float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
  return outside + std::min(std::max(qx, qy), 0.0f) - radius;
}

float Coverage(float distance) { return Clamp01(0.5f - distance); }

uint64_t Random::Next() {
  uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

float Random::Uniform() { return static_cast<float>(Next() >> 40) / static_cast<float>(1ull << 24); }

}  // namespace showcase_icons
