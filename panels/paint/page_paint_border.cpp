// A page's border: four bands (top, bottom, left, right) made once from each
// piece drawn a single time on transparent black and copied to every place the
// border puts it, then blended onto the page by each paint: four blends instead of
// a few hundred piece draws. A border whose pieces do not draw by blending (a
// masked or alpha-less image) is drawn piece by piece each time.
#include <algorithm>
#include <cstring>
#include <new>

#include "core/border/border_image_set.h"
#include "panels/paint/page_paint_steps.h"

namespace kelvra {

namespace {

struct Extents {
  int32_t top = 0, bottom = 0, left = 0, right = 0;
};

// How far the pieces reach in from each side.
Extents ExtentsOf(const BorderSliceEntry& entry) {
  const auto& s = entry.sizes;
  const auto height = [&](int piece) { return entry.pieces[piece] ? s[piece].height : 0; };
  const auto width = [&](int piece) { return entry.pieces[piece] ? s[piece].width : 0; };
  Extents e;
  e.top = std::max({height(kTopLeftCorner), height(kTopEdge), height(kTopRightCorner)});
  e.bottom = std::max({height(kBottomLeftCorner), height(kBottomEdge), height(kBottomRightCorner)});
  e.left = std::max({width(kTopLeftCorner), width(kLeftEdge), width(kBottomLeftCorner)});
  e.right = std::max({width(kTopRightCorner), width(kRightEdge), width(kBottomRightCorner)});
  return e;
}

// Calls place(x, y, width, height) for every place where DrawBorderImageSet puts
// `piece` around a width x height rectangle (a clipped edge tile is narrower or
// shorter than the piece).
template <class Place>
void ForEachPlaceOf(const BorderSliceEntry& entry, int piece, int64_t width, int64_t height, Place&& place) {
  const auto& s = entry.sizes;
  switch (piece) {
    case kTopLeftCorner: place(0, 0, s[piece].width, s[piece].height); break;
    case kTopRightCorner: place(width - s[piece].width, 0, s[piece].width, s[piece].height); break;
    case kBottomLeftCorner: place(0, height - s[piece].height, s[piece].width, s[piece].height); break;
    case kBottomRightCorner:
      place(width - s[piece].width, height - s[piece].height, s[piece].width, s[piece].height);
      break;
    case kTopEdge:
    case kBottomEdge: {
      const int left = piece == kTopEdge ? kTopLeftCorner : kBottomLeftCorner;
      const int right = piece == kTopEdge ? kTopRightCorner : kBottomRightCorner;
      const int64_t y = piece == kTopEdge ? 0 : height - s[piece].height;
      ForEachEdgeTile(s[left].width, width - s[right].width, s[piece].width,
                      [&](int64_t x, int64_t length, bool) { place(x, y, length, s[piece].height); });
      break;
    }
    default: {  // the left and right edges
      const int top = piece == kLeftEdge ? kTopLeftCorner : kTopRightCorner;
      const int bottom = piece == kLeftEdge ? kBottomLeftCorner : kBottomRightCorner;
      const int64_t x = piece == kLeftEdge ? 0 : width - s[piece].width;
      ForEachEdgeTile(s[top].height, height - s[bottom].height, s[piece].height,
                      [&](int64_t y, int64_t length, bool) { place(x, y, s[piece].width, length); });
      break;
    }
  }
}

void CaptureKey(BorderBandKey& key, BorderImageSet& set, const BorderSliceEntry& entry, int width, int height) {
  key.set = &set;
  key.imageKey = set.currentImageKey;
  key.checksum = entry.checksum;
  key.slice = entry.slice;
  key.width = width;
  key.height = height;
}

// Cuts the bands. False when the border must be drawn piece by piece: pieces that
// do not blend, a rectangle smaller than the corners (the pieces would overlap or
// reach outside it), or no room for the bands.
bool MakeBands(PagePaintCache& cache, const BorderSliceEntry& entry, int width, int height) {
  const Extents e = ExtentsOf(entry);
  if (width < e.left + e.right || height < e.top + e.bottom || !AlphaBlendAddress()) return false;
  const RECT candidates[4] = {{0, 0, width, e.top},
                              {0, height - e.bottom, width, height},
                              {0, e.top, e.left, height - e.bottom},
                              {width - e.right, e.top, width, height - e.bottom}};
  size_t total = 0;
  cache.bandCount = 0;
  for (const RECT& band : candidates) {
    if (band.right <= band.left || band.bottom <= band.top) continue;
    cache.bands[cache.bandCount++] = {band, total};
    total += static_cast<size_t>(band.right - band.left) * (band.bottom - band.top);
  }
  MemoryCanvas& layer = PaintScratch().layer;
  if (!layer.Ensure(width, height)) return false;
  try {
    cache.bandPixels.resize(total);
  } catch (const std::bad_alloc&) {
    return false;
  }
  for (int i = 0; i < cache.bandCount; ++i) FillImagePixels(*layer.image(), cache.bands[i].rect, 0);
  // The pieces of one sliced image never overlap: each place is a plain copy.
  for (int piece = 0; piece < kBorderPieceCount; ++piece) {
    const PieceSize& size = entry.sizes[piece];
    if (!entry.pieces[piece] || size.width <= 0 || size.height <= 0) continue;
    if (!DrawBlendedImageIntoProbe(entry.pieces[piece].get(), size.width, size.height)) return false;
    ForEachPlaceOf(entry, piece, width, height, [&](int64_t x, int64_t y, int64_t w, int64_t h) {
      CopyProbeTo(*layer.image(), x, y, static_cast<int>(w), static_cast<int>(h));
    });
  }
  for (int i = 0; i < cache.bandCount; ++i) {
    const RECT& band = cache.bands[i].rect;
    const size_t bandWidth = band.right - band.left;
    uint32_t* to = &cache.bandPixels[cache.bands[i].offset];
    for (LONG y = band.top; y < band.bottom; ++y, to += bandWidth)
      std::memcpy(to, reinterpret_cast<const uint32_t*>(layer.image()->Row(y)) + band.left, bandWidth * 4);
  }
  return true;
}

void BlendBands(HDC dc, const RECT& r, const PagePaintCache& cache) {
  const AlphaBlendFunction blend = AlphaBlendAddress();
  MemoryCanvas& scratch = PaintScratch().blend;
  const BLENDFUNCTION over{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  for (int i = 0; i < cache.bandCount; ++i) {
    const RECT& band = cache.bands[i].rect;
    const int width = band.right - band.left, height = band.bottom - band.top;
    if (!scratch.Ensure(width, height)) return;
    GdiFlush();
    const uint32_t* from = &cache.bandPixels[cache.bands[i].offset];
    for (int y = 0; y < height; ++y, from += width)
      std::memcpy(scratch.image()->Row(y), from, static_cast<size_t>(width) * 4);
    blend(dc, r.left + band.left, r.top + band.top, width, height, scratch.dc(), 0, 0, width, height, over);
  }
}

}  // namespace

void DrawPageBorder(HDC dc, const RECT& r, PanelExPageRecord& page) {
  BorderImageSet* set = BorderImageSets().FindByAddress(page.border);
  if (!set || set->currentImageKey.empty()) return;
  const BorderSliceEntry* entry = set->sliceMap.Find(set->currentImageKey);
  if (!entry) return;
  PagePaintCache* cache = PaintCacheOf(page);
  const int width = r.right - r.left, height = r.bottom - r.top;
  if (!cache) {
    DrawBorderImageSet(dc, set, &r);
    return;
  }
  try {
    CaptureKey(cache->candidateBandKey, *set, *entry, width, height);
  } catch (const std::bad_alloc&) {
    DrawBorderImageSet(dc, set, &r);
    return;
  }
  if (!cache->bandsValid || !(cache->candidateBandKey == cache->bandKey)) {
    cache->bandsDirect = !MakeBands(*cache, *entry, width, height);
    std::swap(cache->bandKey, cache->candidateBandKey);
    cache->bandsValid = true;
  }
  if (cache->bandsDirect) DrawBorderImageSet(dc, set, &r);
  else BlendBands(dc, r, *cache);
}

}  // namespace kelvra
