// Fuzz target of the border arithmetic fed from skin values and border images:
// slice rectangles (the "border image" margins), the pieces they cut, a found
// slice made usable, the tiles of an edge over a visible span, and the margins
// and mask read from a border image's pixels.
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "core/border/border_image_geometry.h"
#include "panels/page/border_image_analysis.h"
#include "tests/support/fuzz_input.h"

namespace {

using namespace kelvra;

void CheckPieces(int32_t width, int32_t height, const SliceRect& slice) {
  if (!SliceFits(slice, width, height)) return;
  int64_t area = int64_t{slice.right - slice.left} * (slice.bottom - slice.top);  // the centre
  for (const PieceBox& piece : SlicePieces(width, height, slice)) {
    if (piece.width < 0 || piece.height < 0 || piece.x < 0 || piece.y < 0) std::abort();
    if (int64_t{piece.x} + piece.width > width || int64_t{piece.y} + piece.height > height) std::abort();
    area += int64_t{piece.width} * piece.height;
  }
  if (area != int64_t{width} * height) std::abort();  // the pieces and the centre tile the image
}

// A visible span as a clip box gives it: at most 65,536 pixels.
void CheckEdgeTiles(int64_t start, int64_t limit, int64_t step, int64_t visibleFrom, uint16_t visibleLength) {
  const VisibleSpan visible{visibleFrom, visibleFrom + visibleLength};
  int64_t count = 0, last = start - 1;
  ForEachEdgeTile(
      start, limit, step,
      [&](int64_t position, int64_t length, bool clipped) {
        if (position < start || position >= limit || position <= last) std::abort();
        if (length <= 0 || length > step || clipped != (length < step) || position + length > limit) std::abort();
        if (!visible.Meets(position, length)) std::abort();
        if (++count > int64_t{visibleLength} / std::max<int64_t>(step, 1) + 2) std::abort();
        last = position;
      },
      visible);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  test::FuzzInput input(data, size);
  const int32_t width = input.Int(), height = input.Int();
  const SliceRect slice{input.Int(), input.Int(), input.Int(), input.Int()};
  CheckPieces(width, height, slice);
  if (width >= 0 && height >= 0 && !SliceFits(NormaliseFoundSlice(slice, width, height), width, height))
    std::abort();
  CheckEdgeTiles(input.Int(), input.Int(), input.Int(), input.Int(), static_cast<uint16_t>(input.Int()));

  // A small border image from the rest of the bytes: its margins lie inside it,
  // and its mask is of its size, each pixel frame or not.
  image::PixelBuffer picture;
  picture.width = input.Byte() % 48;
  picture.height = input.Byte() % 48;
  picture.pixels.resize(static_cast<size_t>(picture.width) * picture.height);
  for (uint32_t& pixel : picture.pixels) pixel = static_cast<uint32_t>(input.Int());
  if (const auto margins = FindBorderMargins(picture)) {
    if (margins->left < 0 || margins->top < 0 || margins->right > picture.width || margins->bottom > picture.height)
      std::abort();
  }
  if (const auto mask = BuildBorderMask(picture)) {
    if (mask->width != picture.width || mask->height != picture.height || mask->pixels.size() != picture.pixels.size())
      std::abort();
    for (uint32_t pixel : mask->pixels)
      if (pixel != 0 && pixel != 0xFFFFFFFFu) std::abort();
  }
  return 0;
}
