// Drawing a border image set around a rectangle and building its mask region.
#include "core/border/border_image_set.h"

#include <algorithm>

namespace kelvra {

namespace {

// The rectangle's size and the visible part of it, relative to its top-left
// corner. 64-bit: a caller's rectangle may span the whole 32-bit range.
struct Frame {
  int64_t left = 0, top = 0, width = 0, height = 0;
  VisibleSpan visibleX, visibleY;
};

// A piece is drawn only where it meets the visible part, so every position handed
// to GDI lies within the clip box and fits in 32 bits.
void DrawPiece(HDC dc, const Frame& f, const BorderSliceEntry& entry, int piece, int64_t x, int64_t y,
               int64_t width = -1, int64_t height = -1) {
  const PieceSize& size = entry.sizes[piece];
  const bool clipped = width >= 0 || height >= 0;
  if (width < 0) width = size.width;
  if (height < 0) height = size.height;
  if (!entry.pieces[piece] || width <= 0 || height <= 0) return;
  if (!f.visibleX.Meets(x, width) || !f.visibleY.Meets(y, height)) return;
  const int px = static_cast<int>(f.left + x), py = static_cast<int>(f.top + y);
  // ImageList_DrawEx reads a width or height of 0 as "the whole image": callers
  // never pass one (ForEachEdgeTile gives no tile of length 0).
  if (clipped)
    ImageList_DrawEx(entry.pieces[piece].get(), 0, dc, px, py, static_cast<int>(width), static_cast<int>(height),
                     CLR_NONE, CLR_NONE, ILD_NORMAL);
  else
    ImageList_Draw(entry.pieces[piece].get(), 0, dc, px, py, ILD_NORMAL);
}

// The device context's clip box relative to the rectangle; false when nothing can
// be seen (an empty clip region, or no clip box: not a device context).
bool VisiblePart(HDC dc, Frame& f) {
  RECT box{};
  const int kind = GetClipBox(dc, &box);
  if (kind == NULLREGION || kind == ERROR) return false;
  f.visibleX = {box.left - f.left, box.right - f.left};
  f.visibleY = {box.top - f.top, box.bottom - f.top};
  return true;
}

// Mask regions are built no larger than this on either axis: no window is.
constexpr int64_t kMaxRegionExtent = 0x8000;

void SubtractAt(HRGN target, HRGN piece, const PieceSize& size, int64_t x, int64_t y) {
  if (!piece || x >= kMaxRegionExtent || y >= kMaxRegionExtent || x + size.width <= 0 || y + size.height <= 0)
    return;
  OffsetRgn(piece, static_cast<int>(x), static_cast<int>(y));
  CombineRgn(target, target, piece, RGN_DIFF);
  OffsetRgn(piece, -static_cast<int>(x), -static_cast<int>(y));
}

}  // namespace

int DrawBorderImageSet(HDC dc, BorderImageSet* handle, const RECT* rect) {
  BorderImageSet* set = BorderImageSets().FindByAddress(handle);
  if (!set || !rect || set->currentImageKey.empty()) return 0;
  const BorderSliceEntry* found = set->sliceMap.Find(set->currentImageKey);
  if (!found) return 0;
  const BorderSliceEntry& e = *found;
  const auto& s = e.sizes;
  Frame f;
  f.left = rect->left;
  f.top = rect->top;
  f.width = int64_t{rect->right} - rect->left;
  f.height = int64_t{rect->bottom} - rect->top;
  if (!VisiblePart(dc, f)) return 1;  // nothing of it can be seen
  const int64_t w = f.width, h = f.height;

  DrawPiece(dc, f, e, kTopLeftCorner, 0, 0);
  ForEachEdgeTile(s[kTopLeftCorner].width, w - s[kTopRightCorner].width, s[kTopEdge].width,
                  [&](int64_t x, int64_t length, bool clipped) {
                    DrawPiece(dc, f, e, kTopEdge, x, 0, clipped ? length : -1, clipped ? s[kTopEdge].height : -1);
                  }, f.visibleX);
  DrawPiece(dc, f, e, kTopRightCorner, w - s[kTopRightCorner].width, 0);

  ForEachEdgeTile(s[kTopLeftCorner].height, h - s[kBottomLeftCorner].height, s[kLeftEdge].height,
                  [&](int64_t y, int64_t length, bool clipped) {
                    DrawPiece(dc, f, e, kLeftEdge, 0, y, clipped ? s[kLeftEdge].width : -1, clipped ? length : -1);
                  }, f.visibleY);
  const int64_t rightX = w - s[kRightEdge].width;
  ForEachEdgeTile(s[kTopRightCorner].height, h - s[kBottomRightCorner].height, s[kRightEdge].height,
                  [&](int64_t y, int64_t length, bool clipped) {
                    DrawPiece(dc, f, e, kRightEdge, rightX, y, clipped ? s[kRightEdge].width : -1,
                              clipped ? length : -1);
                  }, f.visibleY);

  DrawPiece(dc, f, e, kBottomLeftCorner, 0, h - s[kBottomLeftCorner].height);
  const int64_t bottomY = h - s[kBottomEdge].height;
  ForEachEdgeTile(s[kBottomLeftCorner].width, w - s[kBottomRightCorner].width, s[kBottomEdge].width,
                  [&](int64_t x, int64_t length, bool clipped) {
                    DrawPiece(dc, f, e, kBottomEdge, x, bottomY, clipped ? length : -1,
                              clipped ? s[kBottomEdge].height : -1);
                  }, f.visibleX);
  DrawPiece(dc, f, e, kBottomRightCorner, w - s[kBottomRightCorner].width, h - s[kBottomRightCorner].height);
  return 1;
}

HRGN GetBorderMaskRegion(BorderImageSet* handle, const RECT* rect) {
  BorderImageSet* set = BorderImageSets().FindByAddress(handle);
  if (!set || !rect || set->currentMaskKey.empty()) return nullptr;
  BorderMaskEntry* found = set->maskMap.Find(set->currentMaskKey);
  if (!found) return nullptr;
  BorderMaskEntry& e = *found;
  const int64_t w = int64_t{rect->right} - rect->left, h = int64_t{rect->bottom} - rect->top;
  if (e.cachedRegion && e.cachedWidth == w && e.cachedHeight == h) return e.cachedRegion.get();

  e.cachedRegion.reset();
  e.cachedWidth = e.cachedHeight = 0;
  // Built over the part of the rectangle a window can have; beyond it nothing is
  // clipped, and a rectangle of billions of pixels costs no more than a window's.
  UniqueRegion region(CreateRectRgn(0, 0, static_cast<int>(std::clamp<int64_t>(w, 0, kMaxRegionExtent)),
                                    static_cast<int>(std::clamp<int64_t>(h, 0, kMaxRegionExtent))));
  if (!region) return nullptr;
  HRGN r = region.get();
  const auto& s = e.sizes;
  const auto piece = [&](int i) { return e.pieces[i].get(); };
  const VisibleSpan inside{0, kMaxRegionExtent};

  // Edge copies are subtracted whole; an edge whose span is 0 or less gets none,
  // as in drawing.
  SubtractAt(r, piece(kTopLeftCorner), s[kTopLeftCorner], 0, 0);
  ForEachEdgeTile(s[kTopLeftCorner].width, w - s[kTopRightCorner].width, s[kTopEdge].width,
                  [&](int64_t x, int64_t, bool) { SubtractAt(r, piece(kTopEdge), s[kTopEdge], x, 0); }, inside);
  SubtractAt(r, piece(kTopRightCorner), s[kTopRightCorner], w - s[kTopRightCorner].width, 0);
  ForEachEdgeTile(s[kTopLeftCorner].height, h - s[kBottomLeftCorner].height, s[kLeftEdge].height,
                  [&](int64_t y, int64_t, bool) { SubtractAt(r, piece(kLeftEdge), s[kLeftEdge], 0, y); }, inside);
  ForEachEdgeTile(s[kTopRightCorner].height, h - s[kBottomRightCorner].height, s[kRightEdge].height,
                  [&](int64_t y, int64_t, bool) {
                    SubtractAt(r, piece(kRightEdge), s[kRightEdge], w - s[kRightEdge].width, y);
                  }, inside);
  SubtractAt(r, piece(kBottomLeftCorner), s[kBottomLeftCorner], 0, h - s[kBottomLeftCorner].height);
  ForEachEdgeTile(s[kBottomLeftCorner].width, w - s[kBottomRightCorner].width, s[kBottomEdge].width,
                  [&](int64_t x, int64_t, bool) {
                    SubtractAt(r, piece(kBottomEdge), s[kBottomEdge], x, h - s[kBottomEdge].height);
                  }, inside);
  SubtractAt(r, piece(kBottomRightCorner), s[kBottomRightCorner], w - s[kBottomRightCorner].width,
             h - s[kBottomRightCorner].height);

  e.cachedRegion = std::move(region);
  e.cachedWidth = w;
  e.cachedHeight = h;
  return e.cachedRegion.get();
}

}  // namespace kelvra
