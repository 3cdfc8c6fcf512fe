// PaintUIElement: GDI+ gradients (and GDI frames for the check boxes) drawn into
// the element caches, then one BitBlt.
#include "skin/elements/ui_element_painter.h"

#include "commandbars/commandbars_seam.h"
#include "core/platform/gdiplus_objects.h"
#include "core/platform/platform_bindings.h"
#include "skin/ui_colours/ui_colour_brush_cache.h"
#include "skin/ui_colours/ui_colour_index.h"
#include "skin/elements/ui_element_cache.h"

namespace kelvra {

namespace {

uint32_t drawCount = 0;

constexpr INT kWrapTileFlipXY = 3;

bool IsGradientElement(int32_t element) {
  switch (element) {
    case kMenuHotGradientColour1: case kMenuHeldGradientColour1: case kMenuBarColour:
    case kToolStripBackground1: case kSelectGradientColour1: case kToolBarHotGradientColour1:
      return true;
    default:
      return false;
  }
}

bool IsCheckBoxElement(int32_t element) {
  return element == kMenuCheckBoxBorder || element == kMenuCheckBoxSelectedBorder;
}

class ElementCanvas {
 public:
  ElementCanvas(gdip::Graphics* graphics, uint32_t style, int width) : graphics_(graphics), style_(style), width_(width) {}

  // Rows top to top + height - 1 from colour `first` (first row) to colour
  // `second` (last row). Flipping tiles keep rows past the end point at the second
  // colour instead of wrapping round to the first.
  void Gradient(int top, int height, int32_t first, int32_t second) const {
    if (height <= 0) return;
    auto& api = GdiPlus();
    const gdip::Point from{0, top}, to{0, top + (height > 1 ? height - 1 : 1)};
    gdip::LineGradient* made = nullptr;
    if (api.GdipCreateLineBrushI(&from, &to, Colour(first), Colour(second), kWrapTileFlipXY, &made) != 0) return;
    const GdipBrushOwner brush(made);
    api.GdipFillRectangleI(graphics_, brush.get(), 0, top, width_, height);
  }

  void Row(int y, int32_t index) const {
    auto& api = GdiPlus();
    gdip::SolidFill* made = nullptr;
    if (api.GdipCreateSolidFill(Colour(index), &made) != 0) return;
    const GdipBrushOwner brush(made);
    api.GdipFillRectangleI(graphics_, brush.get(), 0, y, width_, 1);
  }

 private:
  // Raw, so ARGB colours keep their alpha.
  gdip::Argb Colour(int32_t index) const { return LookupUIColour(style_, index, kUIColourRaw); }

  gdip::Graphics* graphics_;
  uint32_t style_;
  int width_;
};

void DrawGradientElement(HDC target, uint32_t style, int32_t element, int width, int height) {
  gdip::Graphics* made = nullptr;
  if (GdiPlus().GdipCreateFromHDC(target, &made) != 0) return;
  const GdipGraphicsOwner graphics(made);
  const ElementCanvas canvas(graphics.get(), style, width);
  const int half = height / 2;
  switch (element) {
    case kMenuHotGradientColour1: canvas.Gradient(0, height, kMenuHotGradientColour1, kMenuHotGradientColour2); break;
    case kMenuHeldGradientColour1: canvas.Gradient(0, height, kMenuHeldGradientColour1, kMenuHeldGradientColour2); break;
    case kSelectGradientColour1: canvas.Gradient(0, height, kSelectGradientColour1, kSelectGradientColour2); break;
    case kToolBarHotGradientColour1:
      canvas.Gradient(0, height, kToolBarHotGradientColour1, kToolBarHotGradientColour2);
      break;
    case kMenuBarColour:
      canvas.Gradient(0, half, kBarGradientColour1, kBarGradientColour2);
      canvas.Gradient(half, height - half, kBarGradientColour3, kBarGradientColour4);
      break;
    case kToolStripBackground1:
      // The lower half starts at h / 2 + 1: the upper one reaches down to h / 2 so
      // that no row between them is left undrawn.
      canvas.Gradient(0, half + 1, kToolStripBackground1, kToolStripBackground2);
      canvas.Gradient(half + 1, height - half - 1, kToolStripBackground3, kToolStripBackground4);
      canvas.Row(height - 1, kToolStripShadow);
      break;
    default: break;
  }
}

void DrawCheckBoxElement(HDC target, uint32_t style, int32_t element, int width, int height) {
  // Check boxes follow the style of the menu being drawn.
  const uint32_t menuStyle = CurrentMenuUIStyle(style);
  const bool selected = element == kMenuCheckBoxSelectedBorder;
  RECT box{0, 0, width, height};
  FrameRect(target, &box, LookupUIColourBrush(menuStyle, selected ? kMenuCheckBoxSelectedBorder : kMenuCheckBoxBorder));
  InflateRect(&box, -1, -1);
  FillRect(target, &box,
           LookupUIColourBrush(menuStyle, selected ? kMenuCheckBoxSelectedBackground : kMenuCheckBoxBackground));
}

// The cached surface that serves width x height, drawn anew when none does; null
// when nothing can be drawn.
CachedSurface* SurfaceFor(HDC dc, uint32_t style, UITable table, int32_t element, int width, int height,
                          uint32_t flags) {
  UIElementCache& cache = ElementCache(table, element);
  const uint32_t fit = flags & ~kUIElementVariants;
  CachedSurface* surface = &cache.single;
  if (flags & kUIElementVariants) {
    CachedSurface* empty = nullptr;
    for (CachedSurface& variant : cache.variants) {
      if (variant.Fits(fit, width, height)) return &variant;
      if (!empty && !variant.dc()) empty = &variant;
    }
    surface = empty;
  } else if (surface->Fits(fit, width, height)) {
    return surface;
  }
  // Without GDI+ a gradient would leave an undrawn (black) bitmap to copy over
  // menus and toolbars: draw and cache nothing instead.
  const bool gradient = IsGradientElement(element);
  if (gradient && !StartGdiPlus()) return nullptr;
  if (!surface) surface = &cache.variants.emplace_back();
  if (!surface->Create(dc, width, height)) return nullptr;
  if (gradient)
    DrawGradientElement(surface->dc(), style, element, width, height);
  else
    DrawCheckBoxElement(surface->dc(), style, element, width, height);
  ++drawCount;
  return surface;
}

}  // namespace

int PaintUIElement(HDC dc, uint32_t style, int32_t element, const RECT& rect, uint32_t flags) {
  const auto table = TableOfStyle(style, true);
  if (!dc || !table || *table == UITable::Whidbey) return 0;
  if (!IsGradientElement(element) && !IsCheckBoxElement(element)) return 0;
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return 0;
  if (const CachedSurface* surface = SurfaceFor(dc, style, *table, element, width, height, flags))
    BitBlt(dc, rect.left, rect.top, width, height, surface->dc(), 0, 0, SRCCOPY);
  return 0;
}

uint32_t UIElementDrawCount() { return drawCount; }

}  // namespace kelvra
