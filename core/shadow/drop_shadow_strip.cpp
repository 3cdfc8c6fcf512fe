// Drop-shadow strip pictures and the runs a shadow window copies out of a cached
// strip.
#include "core/shadow/drop_shadow_strip.h"

#include <algorithm>

namespace kelvra {

StripExtent StripExtentOf(int32_t width, int32_t height, uint32_t flags) {
  StripExtent extent;
  const bool vertical = (flags & kShadowVertical) != 0;
  extent.thickness = vertical ? width : height;
  extent.size = vertical ? height : width;
  extent.length = extent.size;
  if (flags & kShadowShowsMiddle)
    extent.length += 2 * static_cast<int64_t>(extent.thickness);
  else if (flags & (kShadowShowsStart | kShadowShowsEnd))
    extent.length += extent.thickness;
  return extent;
}

int32_t StripAlongAlpha(int64_t along, int64_t length, int32_t thickness, int32_t opacity) {
  if (thickness <= 0) return 0;
  if (along < thickness) return static_cast<int32_t>(opacity * (along + 1) / thickness);
  if (along < length - thickness) return opacity;
  return static_cast<int32_t>(opacity * (length - along) / thickness);
}

int32_t StripAcrossAlpha(int32_t alongAlpha, int32_t across, int32_t thickness) {
  if (thickness <= 0) return 0;
  return alongAlpha * (thickness - across - 1) / thickness;
}

uint32_t PremultipliedShadowPixel(uint32_t colour, int32_t alpha) {
  const uint32_t a = static_cast<uint32_t>(std::clamp(alpha, 0, 255));
  const uint32_t red = colour & 0xFF;
  const uint32_t green = (colour >> 8) & 0xFF;
  const uint32_t blue = (colour >> 16) & 0xFF;
  return (a << 24) | (red * a / 255 << 16) | (green * a / 255 << 8) | (blue * a / 255);
}

StripPicture MakeStripPicture(bool vertical, int32_t thickness, int32_t length, int32_t opacity, uint32_t colour,
                              RowOrder order) {
  StripPicture picture;
  if (thickness <= 0 || length <= 0) return picture;
  picture.width = vertical ? thickness : length;
  picture.height = vertical ? length : thickness;
  picture.pixels.resize(static_cast<size_t>(picture.width) * static_cast<size_t>(picture.height));
  for (int32_t along = 0; along < length; ++along) {
    const int32_t alongAlpha = StripAlongAlpha(along, length, thickness, opacity);
    for (int32_t across = 0; across < thickness; ++across) {
      const int32_t x = vertical ? across : along;
      int32_t y = vertical ? along : across;
      if (order == RowOrder::BottomUp) y = picture.height - 1 - y;
      picture.pixels[static_cast<size_t>(y) * static_cast<size_t>(picture.width) + static_cast<size_t>(x)] =
          PremultipliedShadowPixel(colour, StripAcrossAlpha(alongAlpha, across, thickness));
    }
  }
  return picture;
}

StripRuns PieceRuns(uint32_t flags, int32_t size, int32_t thickness, int32_t cacheLength) {
  StripRuns result;
  auto add = [&](int32_t source, int32_t target, int32_t count) {
    if (count > 0) result.runs[result.count++] = StripRun{source, target, count};
  };
  if (flags & kShadowShowsStart) {
    add(0, 0, size);
  } else if (flags & kShadowShowsEnd) {
    add(cacheLength - size, 0, size);
  } else if (flags & kShadowShowsMiddle) {
    add(thickness, 0, size);
  } else if (size >= cacheLength) {
    add(0, 0, cacheLength);
  } else {
    // A shorter window keeps both faded ends: the cache's start, then its last
    // thickness positions.
    const int32_t head = std::max(0, size - thickness);
    const int32_t tail = size - head;
    add(0, 0, head);
    add(cacheLength - tail, head, tail);
  }
  return result;
}

}  // namespace kelvra
