// The arithmetic of border image sets: where the eight pieces of a sliced border
// image lie, and how an edge is tiled along a side. Pure: no Win32 types.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

namespace kelvra {

// The inner rectangle whose outside forms the frame, in image pixels.
struct SliceRect {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const SliceRect&) const = default;
};

// The pieces in the order the sets keep them.
enum BorderPiece : int {
  kTopLeftCorner,
  kTopRightCorner,
  kBottomLeftCorner,
  kBottomRightCorner,
  kTopEdge,
  kLeftEdge,
  kRightEdge,
  kBottomEdge,
  kBorderPieceCount
};

struct PieceBox {
  int32_t x = 0, y = 0, width = 0, height = 0;
};

// The pieces of a width x height image cut along `slice`.
std::array<PieceBox, kBorderPieceCount> SlicePieces(int32_t width, int32_t height, const SliceRect& slice);

// True when `slice` is acceptable for a width x height image: no negative value,
// right within the width, bottom within the height, right >= left, bottom >= top.
bool SliceFits(const SliceRect& slice, int32_t width, int32_t height);

// A found slice rectangle made usable: an inverted span becomes 1..2, and every
// value is brought inside the image.
SliceRect NormaliseFoundSlice(SliceRect slice, int32_t width, int32_t height);

// The part of an axis that can be seen, [from, to): the device context's clip box
// when drawing, the largest window when building a region.
struct VisibleSpan {
  int64_t from = -(int64_t{1} << 62);
  int64_t to = int64_t{1} << 62;
  bool Meets(int64_t position, int64_t length) const {
    return from < to && position < to && position + length > from;
  }
};

// Calls tile(position, length, clipped) for each tile of an edge whose tiles of
// `step` pixels run from `start` while below `limit`; the last one is clipped to
// end at `limit`. Only tiles that meet `visible` are given, so a span of billions
// of pixels costs what can be seen. Positions are 64-bit: callers' rectangles may
// span the whole 32-bit range. A span of 0 or less, or a step of 0, gives no tile:
// a clipped length of 0 would otherwise be read as "the whole tile" and paint
// over a corner.
template <class Tile>
void ForEachEdgeTile(int64_t start, int64_t limit, int64_t step, Tile&& tile, VisibleSpan visible = {}) {
  if (step <= 0 || visible.to <= visible.from || visible.from >= limit) return;
  int64_t position = start;
  // Tiles wholly before the visible part are skipped, not walked.
  if (visible.from > start) position = start + (visible.from - start) / step * step;
  const int64_t end = std::min(limit, visible.to);
  for (; position < end; position += step) {
    const int64_t length = std::min(step, limit - position);
    tile(position, length, length < step);
  }
}

}  // namespace kelvra
