// The layout and colour of popup menu shadows.
#include "core/shadow/menu_shadow_geometry.h"

#include <algorithm>
#include <climits>

#include "core/shadow/drop_shadow_strip.h"

namespace kelvra {

namespace {

// A strip, when it has an area and lies where 32-bit coordinates reach.
std::optional<ShadowPiece> Piece(int64_t x, int64_t y, int64_t width, int64_t height, uint32_t flags) {
  if (width < 1 || height < 1) return std::nullopt;
  if (x < INT32_MIN || y < INT32_MIN || x + width > INT32_MAX || y + height > INT32_MAX) return std::nullopt;
  return ShadowPiece{{static_cast<int32_t>(x), static_cast<int32_t>(y), static_cast<int32_t>(width),
                      static_cast<int32_t>(height)},
                     flags};
}

// The nudge that moved the popup left, less what the bar title's own frame takes.
int32_t ShadowNudge(int32_t nudge, bool whidbey) {
  if (whidbey) {
    if (nudge >= 2) return nudge - 2;
    return nudge == 1 ? 0 : nudge;
  }
  if (nudge >= 4) return nudge - 4;
  return nudge >= 1 ? 0 : nudge;
}

int64_t Area(const ShadowBox& box) { return static_cast<int64_t>(box.width) * box.height; }

ShadowBox Intersection(const ShadowBox& a, const ShadowBox& b) {
  const int64_t left = std::max<int64_t>(a.x, b.x);
  const int64_t top = std::max<int64_t>(a.y, b.y);
  const int64_t right = std::min<int64_t>(static_cast<int64_t>(a.x) + a.width, static_cast<int64_t>(b.x) + b.width);
  const int64_t bottom = std::min<int64_t>(static_cast<int64_t>(a.y) + a.height, static_cast<int64_t>(b.y) + b.height);
  if (right <= left || bottom <= top) return {};
  return {static_cast<int32_t>(left), static_cast<int32_t>(top), static_cast<int32_t>(right - left),
          static_cast<int32_t>(bottom - top)};
}

}  // namespace

bool IsWhidbeyMenuStyle(uint32_t style) { return style == 5; }

bool IsOfficeMenuStyle(uint32_t style) { return style == 6 || style == 0x1000000 || style == 0x2000000; }

MenuShadowPieces LayOutMenuShadows(const ShadowBox& popup, const MenuShadowPlacement& placement, int32_t workRight) {
  constexpr int64_t s = kMenuShadowDepth;
  const int64_t left = popup.x, top = popup.y, width = popup.width, height = popup.height;
  MenuShadowPieces pieces;
  pieces[kRightShadow] = Piece(left + width, top + s, s, height - s, kShadowVertical | kShadowShowsStart);
  if (!placement.fromBarTitle) {
    pieces[kBottomShadow] = Piece(left + s, top + height, width - 1, s, 0);
    return pieces;
  }
  // Dropped from a bar title: the strip starts past the title's width, shows its
  // faded end, and stops at the work area's edge.
  const bool whidbey = IsWhidbeyMenuStyle(placement.style);
  const int64_t anchor = static_cast<int64_t>(placement.anchorWidth) - (whidbey ? 4 : 0);
  const int64_t nudge = ShadowNudge(placement.placementNudge, whidbey);
  int64_t length = width + s - anchor - 1;
  const int64_t rightEnd = left + width + s + nudge - 1;
  if (rightEnd > workRight) length -= rightEnd - workRight;
  if (left > placement.popupLeftEdge) length -= nudge;
  pieces[kBottomShadow] = Piece(left + anchor + nudge, top + height, length, s, kShadowShowsEnd);
  // Pushed left of where the tracking meant it: the part from the popup's own
  // left up to there gets a strip of its own.
  if (left < placement.popupLeftEdge)
    pieces[kThirdShadow] = Piece(left + s, top + height, placement.popupLeftEdge - left - s, s, kShadowShowsStart);
  return pieces;
}

ParentShadowCover CoverParentShadow(const ShadowBox& submenu, const MenuShadowPieces& parent) {
  ParentShadowCover cover;
  int64_t best = 0;
  for (int i = 0; i < kMenuShadowPieces; ++i) {
    if (!parent[static_cast<size_t>(i)]) continue;
    const ShadowBox& strip = parent[static_cast<size_t>(i)]->box;
    const ShadowBox covered = Intersection(strip, submenu);
    if (Area(covered) <= best) continue;
    best = Area(covered);
    cover.piece = i;
    cover.cut = {covered.x - strip.x, covered.y - strip.y, covered.width, covered.height};
    cover.remake = Area(covered) < Area(strip);
  }
  return cover;
}

ShadowColour ShadowColourFromStored(uint32_t stored) {
  const uint32_t red = (stored >> 16) & 0xFF;
  const uint32_t green = (stored >> 8) & 0xFF;
  const uint32_t blue = stored & 0xFF;
  return {red | (green << 8) | (blue << 16), static_cast<int32_t>(stored >> 24)};
}

}  // namespace kelvra
