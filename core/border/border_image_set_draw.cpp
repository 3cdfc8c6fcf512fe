// Drawing a border image set around a rectangle and building its mask region.
#include "core/border/border_image_set.h"

namespace kelvra {

namespace {

void DrawPiece(HDC dc, const BorderSliceEntry& entry, int piece, int x, int y) {
  if (entry.pieces[piece]) ImageList_Draw(entry.pieces[piece].get(), 0, dc, x, y, ILD_NORMAL);
}

// ImageList_DrawEx reads a width or height of 0 as "the whole image": callers
// never pass one (ForEachEdgeTile gives no tile of length 0).
void DrawClipped(HDC dc, const BorderSliceEntry& entry, int piece, int x, int y, int width, int height) {
  if (entry.pieces[piece] && width > 0 && height > 0)
    ImageList_DrawEx(entry.pieces[piece].get(), 0, dc, x, y, width, height, CLR_NONE, CLR_NONE, ILD_NORMAL);
}

void SubtractAt(HRGN target, HRGN piece, int x, int y) {
  if (!piece) return;
  OffsetRgn(piece, x, y);
  CombineRgn(target, target, piece, RGN_DIFF);
  OffsetRgn(piece, -x, -y);
}

}  // namespace

int DrawBorderImageSet(HDC dc, BorderImageSet* handle, const RECT* rect) {
  BorderImageSet* set = BorderImageSets().FindByAddress(handle);
  if (!set || !rect || set->currentImageKey.empty()) return 0;
  const BorderSliceEntry* found = set->sliceMap.Find(set->currentImageKey);
  if (!found) return 0;
  const BorderSliceEntry& e = *found;
  const auto& s = e.sizes;
  const int left = rect->left, top = rect->top;
  const int w = rect->right - rect->left, h = rect->bottom - rect->top;

  DrawPiece(dc, e, kTopLeftCorner, left, top);
  ForEachEdgeTile(s[kTopLeftCorner].width, w - s[kTopRightCorner].width, s[kTopEdge].width,
                  [&](int x, int length, bool clipped) {
                    if (clipped)
                      DrawClipped(dc, e, kTopEdge, left + x, top, length, s[kTopEdge].height);
                    else
                      DrawPiece(dc, e, kTopEdge, left + x, top);
                  });
  DrawPiece(dc, e, kTopRightCorner, left + w - s[kTopRightCorner].width, top);

  ForEachEdgeTile(s[kTopLeftCorner].height, h - s[kBottomLeftCorner].height, s[kLeftEdge].height,
                  [&](int y, int length, bool clipped) {
                    if (clipped)
                      DrawClipped(dc, e, kLeftEdge, left, top + y, s[kLeftEdge].width, length);
                    else
                      DrawPiece(dc, e, kLeftEdge, left, top + y);
                  });
  const int rightX = left + w - s[kRightEdge].width;
  ForEachEdgeTile(s[kTopRightCorner].height, h - s[kBottomRightCorner].height, s[kRightEdge].height,
                  [&](int y, int length, bool clipped) {
                    if (clipped)
                      DrawClipped(dc, e, kRightEdge, rightX, top + y, s[kRightEdge].width, length);
                    else
                      DrawPiece(dc, e, kRightEdge, rightX, top + y);
                  });

  DrawPiece(dc, e, kBottomLeftCorner, left, top + h - s[kBottomLeftCorner].height);
  const int bottomY = top + h - s[kBottomEdge].height;
  ForEachEdgeTile(s[kBottomLeftCorner].width, w - s[kBottomRightCorner].width, s[kBottomEdge].width,
                  [&](int x, int length, bool clipped) {
                    if (clipped)
                      DrawClipped(dc, e, kBottomEdge, left + x, bottomY, length, s[kBottomEdge].height);
                    else
                      DrawPiece(dc, e, kBottomEdge, left + x, bottomY);
                  });
  DrawPiece(dc, e, kBottomRightCorner, left + w - s[kBottomRightCorner].width,
            top + h - s[kBottomRightCorner].height);
  return 1;
}

HRGN GetBorderMaskRegion(BorderImageSet* handle, const RECT* rect) {
  BorderImageSet* set = BorderImageSets().FindByAddress(handle);
  if (!set || !rect || set->currentMaskKey.empty()) return nullptr;
  BorderMaskEntry* found = set->maskMap.Find(set->currentMaskKey);
  if (!found) return nullptr;
  BorderMaskEntry& e = *found;
  const int w = rect->right - rect->left, h = rect->bottom - rect->top;
  if (e.cachedRegion && e.cachedWidth == w && e.cachedHeight == h) return e.cachedRegion.get();

  e.cachedRegion.reset();
  e.cachedWidth = e.cachedHeight = 0;
  UniqueRegion region(CreateRectRgn(0, 0, w, h));
  if (!region) return nullptr;
  HRGN r = region.get();
  const auto& s = e.sizes;
  const auto piece = [&](int i) { return e.pieces[i].get(); };

  // Edge copies are subtracted whole; an edge whose span is 0 or less gets none,
  // as in drawing.
  SubtractAt(r, piece(kTopLeftCorner), 0, 0);
  ForEachEdgeTile(s[kTopLeftCorner].width, w - s[kTopRightCorner].width, s[kTopEdge].width,
                  [&](int x, int, bool) { SubtractAt(r, piece(kTopEdge), x, 0); });
  SubtractAt(r, piece(kTopRightCorner), w - s[kTopRightCorner].width, 0);
  ForEachEdgeTile(s[kTopLeftCorner].height, h - s[kBottomLeftCorner].height, s[kLeftEdge].height,
                  [&](int y, int, bool) { SubtractAt(r, piece(kLeftEdge), 0, y); });
  ForEachEdgeTile(s[kTopRightCorner].height, h - s[kBottomRightCorner].height, s[kRightEdge].height,
                  [&](int y, int, bool) { SubtractAt(r, piece(kRightEdge), w - s[kRightEdge].width, y); });
  SubtractAt(r, piece(kBottomLeftCorner), 0, h - s[kBottomLeftCorner].height);
  ForEachEdgeTile(s[kBottomLeftCorner].width, w - s[kBottomRightCorner].width, s[kBottomEdge].width,
                  [&](int x, int, bool) { SubtractAt(r, piece(kBottomEdge), x, h - s[kBottomEdge].height); });
  SubtractAt(r, piece(kBottomRightCorner), w - s[kBottomRightCorner].width, h - s[kBottomRightCorner].height);

  e.cachedRegion = std::move(region);
  e.cachedWidth = w;
  e.cachedHeight = h;
  return e.cachedRegion.get();
}

}  // namespace kelvra
