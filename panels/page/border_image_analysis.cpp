// The probes that find a border image's frame, and the mask built from them. The
// flood fill is iterative: a 2000 x 2000 frame would overflow any call stack.
#include "panels/page/border_image_analysis.h"

#include <array>
#include <cstdlib>
#include <vector>

namespace kelvra {

namespace {

// How far from the centre's grey a pixel may be and still read as centre, and how
// far from a frame reference a pixel may be and still read as frame.
constexpr int kCentreGreyTolerance = 20;
constexpr int kFrameTolerance = 80;

int AlphaOf(uint32_t argb) { return static_cast<int>(argb >> 24); }

struct Look {
  int grey = 255;
  int alpha = 0;
};

Look LookOf(uint32_t argb) { return Look{BorderGreyLevel(argb), AlphaOf(argb)}; }

// One probe walking from the middle of an edge toward the middle line of the image.
struct Probe {
  int x = 0, y = 0;    // current position
  int dx = 0, dy = 0;  // one step inward
  int end = 0;         // the middle line's coordinate on the probe's axis
  Look reference;      // the darkest, most opaque pixel met so far
  int stopX = 0, stopY = 0;

  int Along() const { return dx ? x : y; }
  bool BeforeMiddle() const { return dx + dy > 0 ? Along() < end : Along() > end; }
  void Step() {
    x += dx;
    y += dy;
  }
};

std::array<Probe, 4> StartProbes(int width, int height) {
  const int midX = width / 2, midY = height / 2;
  std::array<Probe, 4> probes{};
  probes[0] = Probe{midX, 0, 0, 1, midY, Look{}};            // top, moving down
  probes[1] = Probe{0, midY, 1, 0, midX, Look{}};            // left, moving right
  probes[2] = Probe{midX, height - 1, 0, -1, midY, Look{}};  // bottom, moving up
  probes[3] = Probe{width - 1, midY, -1, 0, midX, Look{}};   // right, moving left
  return probes;
}

// Each probe takes every pixel no lighter and no less opaque than its reference
// as the new reference (ties go inward) and stops one pixel further in.
std::array<Probe, 4> WalkToFrame(const image::PixelBuffer& image) {
  auto probes = StartProbes(image.width, image.height);
  for (Probe& probe : probes) {
    probe.stopX = probe.x;
    probe.stopY = probe.y;
    for (; probe.BeforeMiddle(); probe.Step()) {
      const Look look = LookOf(image.At(probe.x, probe.y));
      if (look.grey <= probe.reference.grey && look.alpha >= probe.reference.alpha) {
        probe.reference = look;
        probe.stopX = probe.x + probe.dx;
        probe.stopY = probe.y + probe.dy;
      }
    }
  }
  return probes;
}

bool LooksLikeCentre(const Look& pixel, const Look& centre) {
  if (pixel.alpha == centre.alpha) return true;
  return centre.alpha == 255 && std::abs(pixel.grey - centre.grey) <= kCentreGreyTolerance;
}

bool LooksLikeFrame(const Look& pixel, const std::array<Probe, 4>& probes) {
  for (const Probe& probe : probes)
    if (std::abs(pixel.grey - probe.reference.grey) <= kFrameTolerance &&
        std::abs(pixel.alpha - probe.reference.alpha) <= kFrameTolerance)
      return true;
  return false;
}

constexpr uint32_t kFrame = 0xFFFFFFFFu;
constexpr uint32_t kInside = 0;

// Calls visit(x, y) for every pixel of the 4-connected area of `value` around
// (x, y) within [x0, x1] x [y0, y1]; `seen` marks what was visited.
template <class Visit>
void ForEachInArea(const image::PixelBuffer& mask, int x, int y, int x0, int y0, int x1, int y1,
                   std::vector<uint8_t>& seen, Visit&& visit) {
  const uint32_t value = mask.At(x, y);
  const auto index = [&](int px, int py) { return static_cast<size_t>(py) * mask.width + px; };
  std::vector<int> stack;
  stack.push_back(static_cast<int>(index(x, y)));
  seen[index(x, y)] = 1;
  while (!stack.empty()) {
    const int at = stack.back();
    stack.pop_back();
    const int px = at % mask.width, py = at / mask.width;
    visit(px, py);
    const int next[4][2] = {{px - 1, py}, {px + 1, py}, {px, py - 1}, {px, py + 1}};
    for (const auto& n : next) {
      if (n[0] < x0 || n[0] > x1 || n[1] < y0 || n[1] > y1) continue;
      const size_t i = index(n[0], n[1]);
      if (seen[i] || mask.At(n[0], n[1]) != value) continue;
      seen[i] = 1;
      stack.push_back(static_cast<int>(i));
    }
  }
}

}  // namespace

int BorderGreyLevel(uint32_t argb) {
  const int r = static_cast<int>((argb >> 16) & 0xFF), g = static_cast<int>((argb >> 8) & 0xFF),
            b = static_cast<int>(argb & 0xFF);
  return (2989 * r + 5870 * g + 1140 * b + 5000) / 10000;
}

std::optional<SliceRect> FindBorderMargins(const image::PixelBuffer& image) {
  if (image.width <= 0 || image.height <= 0) return std::nullopt;
  auto probes = WalkToFrame(image);
  const Look centre = LookOf(image.At(image.width / 2, image.height / 2));
  for (Probe& probe : probes) {
    probe.x = probe.stopX;
    probe.y = probe.stopY;
    // The walk ends on the middle line at the latest, whose pixel on the probe's
    // path is the centre itself.
    while (probe.BeforeMiddle() && !LooksLikeCentre(LookOf(image.At(probe.x, probe.y)), centre)) probe.Step();
  }
  const Probe &top = probes[0], &left = probes[1], &bottom = probes[2], &right = probes[3];
  return SliceRect{left.x + 1, top.y + 1, right.x - 1, bottom.y - 1};
}

std::optional<image::PixelBuffer> BuildBorderMask(const image::PixelBuffer& image) {
  if (image.width <= 0 || image.height <= 0) return std::nullopt;
  const auto probes = WalkToFrame(image);
  const int x0 = probes[1].stopX, x1 = probes[3].stopX, y0 = probes[0].stopY, y1 = probes[2].stopY;

  image::PixelBuffer mask;
  mask.width = image.width;
  mask.height = image.height;
  mask.pixels.assign(static_cast<size_t>(image.width) * image.height, kFrame);
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x)
      mask.At(x, y) = LooksLikeFrame(LookOf(image.At(x, y)), probes) ? kFrame : kInside;

  // A centre that reads as frame leaves nothing inside to keep: clipping with such
  // a mask would cut the whole face away.
  const int cx = image.width / 2, cy = image.height / 2;
  if (mask.At(cx, cy) == kFrame) return std::nullopt;

  // The corners of the probed rectangle that lie outside a rounded frame read as
  // inside; they become frame, unless they are the centre's own area (a square
  // frame), which stays inside.
  std::vector<uint8_t> seen(mask.pixels.size(), 0);
  ForEachInArea(mask, cx, cy, x0, y0, x1, y1, seen, [](int, int) {});
  const int corners[4][2] = {{x0, y0}, {x1, y0}, {x0, y1}, {x1, y1}};
  for (const auto& c : corners) {
    if (seen[static_cast<size_t>(c[1]) * mask.width + c[0]] || mask.At(c[0], c[1]) != kInside) continue;
    ForEachInArea(mask, c[0], c[1], x0, y0, x1, y1, seen, [&](int x, int y) { mask.At(x, y) = kFrame; });
  }
  return mask;
}

}  // namespace kelvra
