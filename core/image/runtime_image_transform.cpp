// Resizing, sub-rectangles and alpha-only drawing of runtime images.
#include <algorithm>
#include <cmath>

#include "core/image/runtime_image.h"

namespace kelvra::image {

std::unique_ptr<RuntimeImage> Resize(const RuntimeImage& source, int width, int height) {
  if (source.Width() < 1 || source.Height() < 1) return nullptr;
  auto result = RuntimeImage::Create(width, height, 32);
  if (!result) return nullptr;
  const double scaleX = static_cast<double>(source.Width()) / width;
  const double scaleY = static_cast<double>(source.Height()) / height;
  for (int y = 0; y < height; ++y) {
    const double sy = std::clamp((y + 0.5) * scaleY - 0.5, 0.0, source.Height() - 1.0);
    const int y0 = static_cast<int>(sy);
    const int y1 = std::min(y0 + 1, source.Height() - 1);
    const double fy = sy - y0;
    for (int x = 0; x < width; ++x) {
      const double sx = std::clamp((x + 0.5) * scaleX - 0.5, 0.0, source.Width() - 1.0);
      const int x0 = static_cast<int>(sx);
      const int x1 = std::min(x0 + 1, source.Width() - 1);
      const double fx = sx - x0;
      const uint32_t p[4] = {source.Pixel(x0, y0), source.Pixel(x1, y0), source.Pixel(x0, y1), source.Pixel(x1, y1)};
      const double w[4] = {(1 - fx) * (1 - fy), fx * (1 - fy), (1 - fx) * fy, fx * fy};
      // Colours are weighted by alpha, so transparent neighbours lend no colour.
      double a = 0, r = 0, g = 0, b = 0;
      for (int i = 0; i < 4; ++i) {
        const double pa = (p[i] >> 24) * w[i];
        a += pa;
        r += ((p[i] >> 16) & 0xFF) * pa;
        g += ((p[i] >> 8) & 0xFF) * pa;
        b += (p[i] & 0xFF) * pa;
      }
      uint32_t out = 0;
      if (a > 0) {
        auto channel = [&](double v) { return static_cast<uint32_t>(std::clamp(std::lround(v / a), 0L, 255L)); };
        out = (static_cast<uint32_t>(std::clamp(std::lround(a), 0L, 255L)) << 24) | (channel(r) << 16) |
              (channel(g) << 8) | channel(b);
      }
      result->SetPixel(x, y, out);
    }
  }
  return result;
}

std::unique_ptr<RuntimeImage> CopyRect(const RuntimeImage& source, int x, int y, int width, int height) {
  const int left = std::max(x, 0), top = std::max(y, 0);
  const int right = static_cast<int>(std::min<int64_t>(int64_t{x} + width, source.Width()));
  const int bottom = static_cast<int>(std::min<int64_t>(int64_t{y} + height, source.Height()));
  if (right <= left || bottom <= top) return nullptr;
  auto result = RuntimeImage::Create(right - left, bottom - top, 32);
  if (!result) return nullptr;
  for (int row = top; row < bottom; ++row)
    for (int col = left; col < right; ++col) result->SetPixel(col - left, row - top, source.Pixel(col, row));
  return result;
}

void DrawAlphaChannel(const RuntimeImage& source, RuntimeImage& target, int x, int y) {
  DrawFiltered(source, target, x, y, [](int, int, uint32_t s, uint32_t t) {
    return (s & 0xFF000000) | (t & 0x00FFFFFF);
  });
}

}  // namespace kelvra::image
