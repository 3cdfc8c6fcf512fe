// The steps of the page painter, as its files share them. Each runs with
// PanelLock held and calls nothing that lets messages run (no callback, no sent
// message), so the records it is given stay valid throughout.
#pragma once

#include <windows.h>

#include <cstdint>

#include "core/colour/gradient_record.h"
#include "core/platform/gdiplus_api.h"
#include "panels/paint/page_paint_cache.h"
#include "panels/paint/page_paint_scratch.h"
#include "panels/panel/panel_record.h"

namespace kelvra {

// Where the layers of one page go: the working DC and the work rectangle in its
// logical coordinates.
struct LayerTarget {
  HDC dc = nullptr;
  RECT r{};
  PaintClipSlot* clip = nullptr;  // where the border's shape is applied and undone
  bool top = false;               // the page paints itself (not nested)
  bool alphaDrawing = false;      // dc is an alpha buffer
  bool parentBackground = false;  // the parent's background was drawn below the layers
  bool unclipped = false;         // a nested page that may draw outside its panel
};

// ---- Backgrounds (page_paint_background.cpp)

// The gradient a background value names (looked up on every paint: a freed one
// names none), or nullptr.
const GradientRecord* GradientOfBackground(int32_t background);
// Whether the parent's background is drawn under the page first: backgrounds -1,
// 4, 6 and 8 to 11, translucent gradients, and pages with alpha below 255.
bool NeedsParentBackground(const PanelExPageRecord& page);
// The parent's class brush over the parent's client area, into the page's back
// buffer (`dc`, addressed in page coordinates).
void FillParentClassBackground(HDC dc, HWND page, HWND parent);
// The themed push-button faces and tab pane, drawn before the border's shape
// clips (backgrounds 8 to 11 and 0, with a visual style and its theme open).
void DrawThemedFace(HDC dc, const RECT& r, int32_t background);
// Any other background value (gradients through GDI+, the visual style's parts,
// or the classic faces), clipped by the border's shape.
void DrawBackgroundValue(HDC dc, const RECT& r, int32_t background, PagePaintCache* cache);

// ---- GDI+ (page_paint_gdiplus.cpp)

// Fills r with the gradient (types 0 to 3; others, and no GDI+, draw nothing).
void FillGradient(HDC dc, const RECT& r, const GradientRecord& gradient, PagePaintCache* cache);
// Draws the width x height pixels at (left, top) of the bitmap stretched over r.
void DrawStretchedBitmap(HDC dc, const RECT& r, gdip::Bitmap* bitmap, int left, int top, int width, int height);

// ---- Images (page_paint_images.cpp)

// A background or overlay image placed by its flags within r.
void DrawPageImage(HDC dc, const RECT& r, const PageImageSet& set, bool overlay, PagePaintCache* cache);
// Whether drawing the list's first image at width x height blends it (a list with
// alpha): a masked or alpha-less image is drawn by other means, which leave the
// buffer's alpha behind, and cannot be drawn ahead and blended later.
bool ImageListDrawsByBlending(HIMAGELIST list, int width, int height);
// Draws the list's first image (width x height) on transparent black into the
// probe canvas (PaintScratch().probe), whose top-left width x height pixels then
// hold it premultiplied, just as the list's own drawing blends it onto a page.
// False (the probe's pixels undefined) when the list does not draw by blending.
bool DrawBlendedImageIntoProbe(HIMAGELIST list, int width, int height);
// Copies the probe's top-left width x height pixels to (x, y) of `target`,
// clipped to the target.
void CopyProbeTo(image::RuntimeImage& target, int64_t x, int64_t y, int width, int height);

// ---- Layers (page_paint_layers.cpp)

// The layers under the callback's drawing: the themed face, the border's shape
// as clip, the background, its image and the overlay set; copied from the page's
// cache when nothing they depend on changed. The shape stays applied until the
// border is drawn.
void PaintBackgroundLayers(PanelExPageRecord& page, const LayerTarget& target);
// Undoes the shape's clip (back to the clip the DC had).
void RemoveShapeClip(HDC dc, PaintClipSlot* clip);

// ---- Border (page_paint_border.cpp)

// The page's border around r: blended from ready bands, or drawn piece by piece.
void DrawPageBorder(HDC dc, const RECT& r, PanelExPageRecord& page);

// ---- GdiAlphaBlend through the address the library took at start

using AlphaBlendFunction = BOOL(WINAPI*)(HDC, int, int, int, int, HDC, int, int, int, int, BLENDFUNCTION);
// nullptr when the library found none.
AlphaBlendFunction AlphaBlendAddress();

}  // namespace kelvra
