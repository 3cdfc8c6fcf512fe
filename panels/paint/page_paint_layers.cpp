// The background layers of a page (themed face, the border's shape as clip,
// background, image, overlay) and their cache. A page repainted at the same size
// with the same settings, theme and system colours, over the same pixels, gets
// the pixels it drew last time copied back instead of drawn again: what changes
// from frame to frame (the callback's drawing, nested pages, the border) lies on
// top of them.
#include <algorithm>
#include <cstring>
#include <new>

#include "core/border/border_image_set.h"
#include "core/library/library_globals.h"
#include "core/platform/platform_bindings.h"
#include "panels/paint/page_paint_buffers.h"
#include "panels/paint/page_paint_steps.h"
#include "panels/paint/theme_border_sets.h"

namespace kelvra {

namespace {

// Layers of larger pages are drawn every time rather than kept twice in memory.
constexpr int64_t kMaxCachedPixels = int64_t{4096} * 4096;

// The clip shape of the layers: the page's border mask, else (with a visual
// style) the captured shape of a themed face.
struct Shape {
  HRGN region = nullptr;  // owned by its set; relative to r's top-left corner
  BorderImageSet* set = nullptr;
};

Shape ShapeOf(const PanelExPageRecord& page, const RECT& r) {
  Shape shape;
  if (HRGN region = GetBorderMaskRegion(page.border, &r)) return {region, page.border};
  if (!UxTheme().visualStyles) return shape;
  if (BorderImageSet* set = ThemeBorderSetFor(page.backgroundSet.background))
    if (HRGN region = GetBorderMaskRegion(set, &r)) return {region, set};
  return shape;
}

// Adds the shape to the DC's clip, keeping the clip it had. Regions are in device
// units: the shape goes where r's top-left corner lands on the device, which is
// not r's logical corner once a page (or an outer page) is scrolled.
void ApplyShapeClip(HDC dc, const RECT& r, const Shape& shape, PaintClipSlot* clip) {
  if (!clip) return;
  clip->applied = false;
  if (!shape.region) return;
  clip->hasSaved = GetClipRgn(dc, clip->saved.get()) == 1;
  // The set owns its region and keeps it for the next paint: a copy is moved.
  if (CombineRgn(clip->shape.get(), shape.region, nullptr, RGN_COPY) == ERROR) return;
  POINT corner{r.left, r.top};
  LPtoDP(dc, &corner, 1);
  OffsetRgn(clip->shape.get(), corner.x, corner.y);
  ExtSelectClipRgn(dc, clip->shape.get(), RGN_AND);
  clip->applied = true;
}

void DrawLayers(PanelExPageRecord& page, const LayerTarget& t, const Shape& shape, PagePaintCache* cache) {
  DrawThemedFace(t.dc, t.r, page.backgroundSet.background);
  ApplyShapeClip(t.dc, t.r, shape, t.clip);
  DrawBackgroundValue(t.dc, t.r, page.backgroundSet.background, cache);
  DrawPageImage(t.dc, t.r, page.backgroundSet, false, cache);
  // The overlay's background is drawn only when it names a gradient.
  if (const GradientRecord* gradient = GradientOfBackground(page.overlaySet.background))
    FillGradient(t.dc, t.r, *gradient, cache);
  DrawPageImage(t.dc, t.r, page.overlaySet, true, cache);
}

void CaptureGradient(GradientKey& key, int32_t background) {
  const GradientRecord* gradient = GradientOfBackground(background);
  key.found = gradient != nullptr;
  key.stops.clear();
  if (!gradient) {
    key.type = 0;
    key.start = key.end = 0;
    return;
  }
  key.type = gradient->type;
  key.start = gradient->startColour;
  key.end = gradient->endColour;
  for (const GradientStop& stop : gradient->stops) key.stops.push_back({stop.colour, stop.position});
}

void CaptureSet(ImageSetKey& key, const PageImageSet& set) {
  key.background = set.background;
  CaptureGradient(key.gradient, set.background);
  key.list = set.imageList.get();
  key.generation = set.imageGeneration;
  key.x = set.x;
  key.y = set.y;
  key.width = set.width;
  key.height = set.height;
  key.flags = set.flags;
}

void CaptureKey(LayerKey& key, const PanelExPageRecord& page, const LayerTarget& t, const RECT& visible,
                const Shape& shape) {
  key.width = t.r.right - t.r.left;
  key.height = t.r.bottom - t.r.top;
  key.visibleLeft = visible.left;
  key.visibleTop = visible.top;
  key.visibleRight = visible.right;
  key.visibleBottom = visible.bottom;
  key.belowMatters = !t.top || t.alphaDrawing || t.parentBackground;
  RECT box{};
  GetClipBox(t.dc, &box);
  key.clipLeft = box.left - t.r.left;
  key.clipTop = box.top - t.r.top;
  key.clipRight = box.right - t.r.left;
  key.clipBottom = box.bottom - t.r.top;
  const UxThemeApi& ux = UxTheme();
  key.visualStyles = ux.visualStyles;
  key.themes = {ux.themes.explorerbar, ux.themes.rebar, ux.themes.tab, ux.themes.button};
  key.themeGeneration = ux.generation;
  key.osVersionCode = Globals().osVersionCode;
  key.gdiplus = GdiPlus().token != 0;
  static constexpr int kColours[] = {COLOR_BTNFACE,   COLOR_HIGHLIGHTTEXT, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW,
                                     COLOR_3DDKSHADOW, COLOR_3DLIGHT,      COLOR_WINDOWFRAME,  COLOR_GRAYTEXT};
  for (size_t i = 0; i < key.systemColours.size(); ++i) key.systemColours[i] = GetSysColor(kColours[i]);
  key.maskSet = shape.set;
  key.maskChecksum = 0;
  key.maskSlice = {};
  if (shape.set) {
    key.maskKey = shape.set->currentMaskKey;
    if (const BorderMaskEntry* entry = shape.set->maskMap.Find(shape.set->currentMaskKey)) {
      key.maskChecksum = entry->checksum;
      key.maskSlice = entry->slice;
    }
  } else {
    key.maskKey.clear();
  }
  CaptureSet(key.background, page.backgroundSet);
  CaptureSet(key.overlay, page.overlaySet);
}

// The pixels of `visible` (device pixels of the image) as rows, top first.
class PixelRows {
 public:
  PixelRows(image::RuntimeImage& image, const RECT& visible) : image_(image), visible_(visible) {}
  size_t Count() const { return static_cast<size_t>(Width()) * (visible_.bottom - visible_.top); }
  void CopyOut(std::vector<uint32_t>& to) const {
    ForRows([&](uint32_t* row, size_t at) { std::memcpy(&to[at], row, Width() * 4); });
  }
  void CopyIn(const std::vector<uint32_t>& from) const {
    ForRows([&](uint32_t* row, size_t at) { std::memcpy(row, &from[at], Width() * 4); });
  }
  bool Equal(const std::vector<uint32_t>& to) const {
    if (to.size() != Count()) return false;
    bool equal = true;
    ForRows([&](uint32_t* row, size_t at) { equal = equal && std::memcmp(row, &to[at], Width() * 4) == 0; });
    return equal;
  }

 private:
  size_t Width() const { return static_cast<size_t>(visible_.right - visible_.left); }
  template <class Visit>
  void ForRows(Visit&& visit) const {
    GdiFlush();  // drawing still queued for the DC lands before memory is read or written
    size_t at = 0;
    for (LONG y = visible_.top; y < visible_.bottom; ++y, at += Width())
      visit(reinterpret_cast<uint32_t*>(image_.Row(y)) + visible_.left, at);
  }
  image::RuntimeImage& image_;
  RECT visible_;
};

// The device pixels of r inside the image; empty when none.
RECT VisiblePart(HDC dc, const RECT& r, const image::RuntimeImage& image) {
  POINT corners[2] = {{r.left, r.top}, {r.right, r.bottom}};
  LPtoDP(dc, corners, 2);
  RECT device{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
  const RECT bounds{0, 0, image.Width(), image.Height()};
  RECT visible{};
  IntersectRect(&visible, &device, &bounds);
  return visible;
}

}  // namespace

void PaintBackgroundLayers(PanelExPageRecord& page, const LayerTarget& t) {
  const Shape shape = ShapeOf(page, t.r);
  PagePaintCache* cache = PaintCacheOf(page);
  image::RuntimeImage* image = PanelBufferImageOf(t.dc);
  const RECT visible = image ? VisiblePart(t.dc, t.r, *image) : RECT{};
  const int64_t pixels = int64_t{visible.right - visible.left} * (visible.bottom - visible.top);
  // Only drawing within the work rectangle can be kept: a page that may draw past
  // its panel is drawn each time.
  if (!cache || !image || pixels <= 0 || pixels > kMaxCachedPixels || t.unclipped || image->BitsPerPixel() != 32) {
    DrawLayers(page, t, shape, cache);
    return;
  }
  const PixelRows rows(*image, visible);
  try {
    CaptureKey(cache->candidateKey, page, t, visible, shape);
    const LayerKey& key = cache->candidateKey;
    if (cache->layersValid && key == cache->layerKey && (!key.belowMatters || rows.Equal(cache->below))) {
      rows.CopyIn(cache->after);
      ApplyShapeClip(t.dc, t.r, shape, t.clip);
      return;
    }
    cache->layersValid = false;
    if (key.belowMatters) {
      cache->below.resize(rows.Count());
      rows.CopyOut(cache->below);
    }
    cache->after.resize(rows.Count());
  } catch (const std::bad_alloc&) {
    DrawLayers(page, t, shape, cache);
    return;
  }
  // Cut at the work rectangle, so the kept pixels are all the layers drew.
  const int saved = SaveDC(t.dc);
  if (!saved) {
    DrawLayers(page, t, shape, cache);
    return;
  }
  IntersectClipRect(t.dc, t.r.left, t.r.top, t.r.right, t.r.bottom);
  DrawLayers(page, t, shape, cache);
  RestoreDC(t.dc, saved);
  rows.CopyOut(cache->after);
  // A copy, not a swap: both keys keep their own storage, so the next paint's key
  // is read into room it already has.
  try {
    cache->layerKey = cache->candidateKey;
  } catch (const std::bad_alloc&) {
    return ApplyShapeClip(t.dc, t.r, shape, t.clip);
  }
  cache->layersValid = true;
  ApplyShapeClip(t.dc, t.r, shape, t.clip);
}

void RemoveShapeClip(HDC dc, PaintClipSlot* clip) {
  if (!clip || !clip->applied) return;
  SelectClipRgn(dc, clip->hasSaved ? clip->saved.get() : nullptr);
  clip->applied = false;
}

}  // namespace kelvra
