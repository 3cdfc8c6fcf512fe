// What the page painter keeps per page between paints: the background layers as
// last drawn and what they were drawn from, the border as four ready bands, the
// stretched image's GDI+ bitmap and the lists a paint reuses. A repaint at the
// same size and settings copies these instead of drawing again, and allocates
// nothing. Guarded by PanelLock with its page.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/border/border_image_geometry.h"
#include "core/platform/gdiplus_api.h"
#include "core/platform/uxtheme_api.h"
#include "panels/panel/panel_record.h"

namespace kelvra {

struct GradientStopKey {
  uint32_t colour = 0;
  float position = 0;  // compared exactly, as gradients compare positions
  bool operator==(const GradientStopKey&) const = default;
};

// A gradient as a page drew it; found is false when the handle named none (a
// freed gradient draws as "any other value").
struct GradientKey {
  bool found = false;
  int32_t type = 0;
  uint32_t start = 0, end = 0;
  std::vector<GradientStopKey> stops;
  bool operator==(const GradientKey&) const = default;
};

// A background or overlay set as it was drawn.
struct ImageSetKey {
  int32_t background = kBackgroundNone;
  GradientKey gradient;
  HIMAGELIST list = nullptr;
  uint32_t generation = 0;
  int32_t x = 0, y = 0, width = 0, height = 0, flags = 0;
  bool operator==(const ImageSetKey&) const = default;
};

// Everything the background layers (themed face, clip shape, background, image,
// overlay) depend on, besides the pixels they are drawn over.
struct LayerKey {
  int32_t width = 0, height = 0;  // the work rectangle's size
  // The part of the work rectangle inside the buffer, relative to its top-left.
  int32_t visibleLeft = 0, visibleTop = 0, visibleRight = 0, visibleBottom = 0;
  // Drawn over pixels that must be the ones kept (a parent background, an outer
  // page, an alpha buffer); else over the buffer's last frame, which is no input.
  bool belowMatters = false;
  // The DC's clip box relative to the work rectangle: an outer page may clip a
  // nested one (its own border's shape, its panel's edges).
  int32_t clipLeft = 0, clipTop = 0, clipRight = 0, clipBottom = 0;
  int32_t visualStyles = 0;
  std::array<ThemeHandle, 4> themes{};  // explorer bar, rebar, tab, button
  uint32_t themeGeneration = 0;
  int32_t osVersionCode = 0;
  bool gdiplus = false;
  std::array<COLORREF, 8> systemColours{};
  const void* maskSet = nullptr;  // the border set whose mask clips the layers
  std::wstring maskKey;
  uint32_t maskChecksum = 0;
  SliceRect maskSlice;
  ImageSetKey background, overlay;
  bool operator==(const LayerKey&) const = default;
};

// The border as it was cut into bands.
struct BorderBandKey {
  const void* set = nullptr;
  std::wstring imageKey;
  uint32_t checksum = 0;
  SliceRect slice;
  int32_t width = 0, height = 0;
  bool operator==(const BorderBandKey&) const = default;
};

// A band of the border: where it lies in the work rectangle and where its
// premultiplied pixels start in bandPixels.
struct BorderBand {
  RECT rect{};
  size_t offset = 0;
};

struct PagePaintCache {
  PagePaintCache() = default;
  PagePaintCache(const PagePaintCache&) = delete;
  PagePaintCache& operator=(const PagePaintCache&) = delete;
  ~PagePaintCache();

  // The background layers: the pixels below them and after them over the visible
  // part of the work rectangle, rows top first.
  bool layersValid = false;
  LayerKey layerKey, candidateKey;
  std::vector<uint32_t> below, after;

  // The border: bands ready to be blended, or drawn piece by piece when a piece
  // is not drawn by blending (a masked or alpha-less image list).
  bool bandsValid = false;
  bool bandsDirect = false;
  BorderBandKey bandKey, candidateBandKey;
  std::array<BorderBand, 4> bands{};
  int bandCount = 0;
  std::vector<uint32_t> bandPixels;

  // The stretched background image: the list's first image as drawn, premultiplied.
  HIMAGELIST stretchList = nullptr;
  uint32_t stretchGeneration = 0;
  int32_t stretchWidth = 0, stretchHeight = 0;
  std::vector<uint32_t> stretchPixels;
  gdip::Bitmap* stretchBitmap = nullptr;

  // Reused by each paint.
  std::vector<uint32_t> blendColours;
  std::vector<float> blendPositions;
  std::vector<HWND> groupBoxes, nestedPanels, panelOrder;
};

// The page's cache, made on first use; nullptr when it cannot be made.
PagePaintCache* PaintCacheOf(PanelExPageRecord& page);

}  // namespace kelvra
