// Piece boxes and slice-rectangle checks of border image sets.
#include "core/border/border_image_geometry.h"

namespace kelvra {

std::array<PieceBox, kBorderPieceCount> SlicePieces(int32_t w, int32_t h, const SliceRect& s) {
  std::array<PieceBox, kBorderPieceCount> pieces{};
  pieces[kTopLeftCorner] = {0, 0, s.left, s.top};
  pieces[kTopEdge] = {s.left, 0, s.right - s.left, s.top};
  pieces[kTopRightCorner] = {s.right, 0, w - s.right, s.top};
  pieces[kLeftEdge] = {0, s.top, s.left, s.bottom - s.top};
  pieces[kRightEdge] = {s.right, s.top, w - s.right, s.bottom - s.top};
  pieces[kBottomLeftCorner] = {0, s.bottom, s.left, h - s.bottom};
  pieces[kBottomEdge] = {s.left, s.bottom, s.right - s.left, h - s.bottom};
  pieces[kBottomRightCorner] = {s.right, s.bottom, w - s.right, h - s.bottom};
  return pieces;
}

bool SliceFits(const SliceRect& s, int32_t width, int32_t height) {
  if (s.left < 0 || s.top < 0 || s.right < 0 || s.bottom < 0) return false;
  if (s.right > width || s.bottom > height) return false;
  return s.right >= s.left && s.bottom >= s.top;
}

SliceRect NormaliseFoundSlice(SliceRect s, int32_t width, int32_t height) {
  if (s.right < s.left) {
    s.left = 1;
    s.right = 2;
  }
  if (s.bottom < s.top) {
    s.top = 1;
    s.bottom = 2;
  }
  s.left = std::clamp(s.left, 0, std::max(width, 0));
  s.right = std::clamp(s.right, s.left, std::max(width, s.left));
  s.top = std::clamp(s.top, 0, std::max(height, 0));
  s.bottom = std::clamp(s.bottom, s.top, std::max(height, s.top));
  return s;
}

}  // namespace kelvra
