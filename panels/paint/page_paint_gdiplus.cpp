// Gradients and stretched images drawn through GDI+'s run-time table.
#include <algorithm>

#include "core/platform/gdiplus_objects.h"
#include "core/platform/platform_bindings.h"
#include "panels/paint/page_gradient_blend.h"
#include "panels/paint/page_paint_steps.h"

namespace kelvra {

namespace {

// GDI+'s enumeration values, as the flat API takes them.
constexpr INT kCompositingModeSourceOver = 0;
constexpr INT kCompositingQualityHighSpeed = 1;
constexpr INT kPixelOffsetModeNone = 3;
constexpr INT kSmoothingModeNone = 3;
constexpr INT kWrapModeTile = 0;
constexpr INT kWrapModeTileFlipX = 1;
constexpr INT kFillModeAlternate = 0;
constexpr INT kUnitPixel = 2;

inline void DeleteGdipPath(gdip::Path* path) { GdiPlus().GdipDeletePath(path); }
using GdipPathOwner = UniqueHandle<gdip::Path*, DeleteGdipPath>;

// A graphics on the DC with the painter's settings: plain source-over, no
// smoothing, pixel centres where GDI has them.
GdipGraphicsOwner OpenGraphics(HDC dc) {
  const GdiPlusApi& api = GdiPlus();
  gdip::Graphics* graphics = nullptr;
  if (api.GdipCreateFromHDC(dc, &graphics) != 0 || !graphics) return {};
  api.GdipSetCompositingMode(graphics, kCompositingModeSourceOver);
  api.GdipSetCompositingQuality(graphics, kCompositingQualityHighSpeed);
  api.GdipSetPixelOffsetMode(graphics, kPixelOffsetModeNone);
  api.GdipSetSmoothingMode(graphics, kSmoothingModeNone);
  return GdipGraphicsOwner(graphics);
}

GdipBrushOwner LineBrush(const RECT& r, const GradientRecord& gradient, const std::vector<uint32_t>& colours,
                         const std::vector<float>& positions) {
  const GdiPlusApi& api = GdiPlus();
  const gdip::Point from{r.left, r.top};
  const gdip::Point to = gradient.type == kGradientHorizontal ? gdip::Point{r.right, r.top}
                                                               : gdip::Point{r.left, r.bottom};
  gdip::Brush* brush = nullptr;
  if (api.GdipCreateLineBrushI(&from, &to, gradient.startColour, gradient.endColour, kWrapModeTileFlipX, &brush) != 0)
    return {};
  GdipBrushOwner owner(brush);
  if (!gradient.stops.empty())
    api.GdipSetLinePresetBlend(brush, colours.data(), positions.data(), static_cast<INT>(colours.size()));
  return owner;
}

// Rectangle and ellipse gradients run from the outline (0.0) to the centre (1.0).
// GDI+ takes a path brush's colours only as centre and surround colours and its
// own preset blend: the line brush's blend call refuses it (and left it black
// in the middle and white at the edge).
GdipBrushOwner PathBrush(const RECT& r, const GradientRecord& gradient, const std::vector<uint32_t>& colours,
                         const std::vector<float>& positions) {
  const GdiPlusApi& api = GdiPlus();
  const int width = r.right - r.left, height = r.bottom - r.top;
  gdip::Brush* brush = nullptr;
  if (gradient.type == kGradientRectangle) {
    const gdip::Point corners[4] = {{r.left, r.top}, {r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom}};
    if (api.GdipCreatePathGradientI(corners, 4, kWrapModeTile, &brush) != 0) return {};
  } else {
    gdip::Path* raw = nullptr;
    if (api.GdipCreatePath(kFillModeAlternate, &raw) != 0 || !raw) return {};
    GdipPathOwner path(raw);
    if (api.GdipAddPathEllipseI(raw, r.left, r.top, width, height) != 0 ||
        api.GdipCreatePathGradientFromPath(raw, &brush) != 0)
      return {};
  }
  GdipBrushOwner owner(brush);
  const gdip::Point centre{r.left + width / 2, r.top + height / 2};
  api.GdipSetPathGradientCenterPointI(brush, &centre);
  api.GdipSetPathGradientCenterColor(brush, gradient.endColour);
  if (api.GdipSetPathGradientSurroundColorsWithCount) {
    gdip::Argb surround = gradient.startColour;
    INT count = 1;
    api.GdipSetPathGradientSurroundColorsWithCount(brush, &surround, &count);
  }
  if (api.GdipSetPathGradientPresetBlend)
    api.GdipSetPathGradientPresetBlend(brush, colours.data(), positions.data(), static_cast<INT>(colours.size()));
  return owner;
}

// A horizontal or vertical gradient changes along one axis only: GDI+ fills one
// column (or row) of it on transparent black, which holds its premultiplied
// colours; copies of it fill the work rectangle's size, and one blend puts it on
// the page, just as GDI+ blends each pixel it fills (or one copy, when it is
// opaque). Filling every pixel through GDI+ costs some hundred plain copies of
// the page. False when the scratch cannot be made: GDI+ then fills the page.
bool FillLinearThroughStrip(HDC dc, const RECT& r, const GradientRecord& gradient,
                            const std::vector<uint32_t>& colours, const std::vector<float>& positions) {
  const AlphaBlendFunction blend = AlphaBlendAddress();
  MemoryCanvas& layer = PaintScratch().layer;
  const int width = r.right - r.left, height = r.bottom - r.top;
  if (!blend || !layer.Ensure(width, height)) return false;
  const bool vertical = gradient.type == kGradientVertical;
  const RECT strip{0, 0, vertical ? 1 : width, vertical ? height : 1};
  FillImagePixels(*layer.image(), strip, 0);
  {
    GdipGraphicsOwner graphics = OpenGraphics(layer.dc());
    GdipBrushOwner brush = LineBrush(RECT{0, 0, width, height}, gradient, colours, positions);
    if (!graphics || !brush) return false;
    GdiPlus().GdipFillRectangleI(graphics.get(), brush.get(), 0, 0, strip.right, strip.bottom);
  }
  GdiFlush();
  image::RuntimeImage& image = *layer.image();
  for (int y = 0; y < height; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(image.Row(y));
    if (vertical) std::fill(row + 1, row + width, row[0]);
    else if (y > 0) std::copy_n(reinterpret_cast<const uint32_t*>(image.Row(0)), width, row);
  }
  if (GradientIsTranslucent(gradient)) {
    const BLENDFUNCTION over{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    blend(dc, r.left, r.top, width, height, layer.dc(), 0, 0, width, height, over);
  } else {
    BitBlt(dc, r.left, r.top, width, height, layer.dc(), 0, 0, SRCCOPY);
  }
  return true;
}

}  // namespace

void FillGradient(HDC dc, const RECT& r, const GradientRecord& gradient, PagePaintCache* cache) {
  if (gradient.type < kGradientHorizontal || gradient.type > kGradientEllipse) return;
  if (r.right <= r.left || r.bottom <= r.top || !StartGdiPlus()) return;
  std::vector<uint32_t> ownColours;
  std::vector<float> ownPositions;
  std::vector<uint32_t>& colours = cache ? cache->blendColours : ownColours;
  std::vector<float>& positions = cache ? cache->blendPositions : ownPositions;
  BuildGradientBlend(gradient, colours, positions);
  if (gradient.type <= kGradientVertical && FillLinearThroughStrip(dc, r, gradient, colours, positions)) return;
  GdipGraphicsOwner graphics = OpenGraphics(dc);
  if (!graphics) return;
  GdipBrushOwner brush = gradient.type <= kGradientVertical ? LineBrush(r, gradient, colours, positions)
                                                             : PathBrush(r, gradient, colours, positions);
  if (brush) GdiPlus().GdipFillRectangleI(graphics.get(), brush.get(), r.left, r.top, r.right - r.left, r.bottom - r.top);
}

void DrawStretchedBitmap(HDC dc, const RECT& r, gdip::Bitmap* bitmap, int left, int top, int width, int height) {
  if (!bitmap || !GdiPlus().token) return;
  GdipGraphicsOwner graphics = OpenGraphics(dc);
  if (!graphics) return;
  GdiPlus().GdipDrawImageRectRectI(graphics.get(), bitmap, r.left, r.top, r.right - r.left, r.bottom - r.top, left,
                                   top, width, height, kUnitPixel, nullptr, nullptr, nullptr);
}

}  // namespace kelvra
