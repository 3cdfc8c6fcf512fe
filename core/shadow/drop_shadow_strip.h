// The pictures of drop-shadow strips: how long a strip is made for a request, its
// premultiplied pixels, and which parts of a cached strip a shadow window shows.
// Pure: no Win32 types.
#pragma once

#include <cstdint>
#include <vector>

namespace kelvra {

// CreateDropShadow's flags.
inline constexpr uint32_t kShadowVertical = 0x1000;     // a strip right of a window; else below it
inline constexpr uint32_t kShadowShowsStart = 1;        // one thickness longer, faded start, cut end
inline constexpr uint32_t kShadowShowsEnd = 2;          // one thickness longer, cut start, faded end
inline constexpr uint32_t kShadowShowsMiddle = 4;       // two thicknesses longer, both ends cut
inline constexpr uint32_t kShadowFreeCaches = 8;        // only free the strip caches

// A request's strip: thickness across it (the window's width for a vertical strip,
// its height for a horizontal one), `size` along it (the other dimension), and
// the length of the strip that the window's piece is cut from.
struct StripExtent {
  int32_t thickness = 0;
  int32_t size = 0;
  int64_t length = 0;
};
StripExtent StripExtentOf(int32_t width, int32_t height, uint32_t flags);

// The alpha at `along` (0 to length - 1) of a strip of `length` and `thickness`:
// rising over the first thickness positions, full in between, falling over the
// last ones (integer division, as the strips have always been drawn).
int32_t StripAlongAlpha(int64_t along, int64_t length, int32_t thickness, int32_t opacity);
// The alpha at `across` (0 next to the window, thickness - 1 outermost) for a
// position whose along-alpha is `alongAlpha`: the outermost column is 0.
int32_t StripAcrossAlpha(int32_t alongAlpha, int32_t across, int32_t thickness);
// A premultiplied 0xAARRGGBB pixel (blue in the low byte) of `alpha` in `colour`,
// a Win32 colour (red in the low byte). Channels truncate.
uint32_t PremultipliedShadowPixel(uint32_t colour, int32_t alpha);

// The picture of a whole strip: `width` x `height` pixels (thickness x length for
// a vertical strip, length x thickness for a horizontal one), rows in the order
// asked for.
enum class RowOrder { TopDown, BottomUp };
struct StripPicture {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint32_t> pixels;
};
StripPicture MakeStripPicture(bool vertical, int32_t thickness, int32_t length, int32_t opacity, uint32_t colour,
                              RowOrder order = RowOrder::TopDown);

// One run of positions copied along the strip: from `source` in the cached strip
// to `target` in the window's picture.
struct StripRun {
  int32_t source = 0;
  int32_t target = 0;
  int32_t count = 0;
  bool operator==(const StripRun&) const = default;
};
// What a window of `size` along the strip shows of a cached strip of
// `cacheLength`: one run, or two when a shorter window without piece flags shows
// the cache's start and its faded end. A cache is never shorter than the
// request's StripExtent length.
struct StripRuns {
  StripRun runs[2];
  int count = 0;
};
StripRuns PieceRuns(uint32_t flags, int32_t size, int32_t thickness, int32_t cacheLength);

}  // namespace kelvra
