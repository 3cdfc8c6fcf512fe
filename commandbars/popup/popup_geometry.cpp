// Popup menu placement and the background cache's strips, in 64-bit arithmetic.
#include "commandbars/popup/popup_geometry.h"

#include <algorithm>

#include "core/windows/window_geometry.h"

namespace kelvra {

namespace {

int64_t Wide(int32_t value) { return value; }

PopupRect MakeRect(int64_t left, int64_t top, int64_t right, int64_t bottom) {
  return PopupRect{ClampToInt32(left), ClampToInt32(top), ClampToInt32(right), ClampToInt32(bottom)};
}

}  // namespace

PopupRect IntersectPopupRects(const PopupRect& a, const PopupRect& b) {
  const PopupRect overlap{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                          std::min(a.bottom, b.bottom)};
  return overlap.Empty() ? PopupRect{} : overlap;
}

bool PopupRectsOverlap(const PopupRect& a, const PopupRect& b) { return !IntersectPopupRects(a, b).Empty(); }

PopupPlacement PlacePopupOnWorkArea(int32_t x, int32_t width, int32_t workRight) {
  PopupPlacement placement{x, x, 0};
  // Strictly greater: a popup ending 5 pixels before the edge stays where it is.
  if (Wide(x) + width + 5 > workRight) {
    placement.popupLeft = ClampToInt32(Wide(workRight) - width - 5);
    placement.nudge = ClampToInt32(Wide(x) + width - workRight + 6);
    placement.x = placement.popupLeft;
  }
  return placement;
}

int32_t NudgeShift(int32_t nudge) { return static_cast<int32_t>(std::clamp<int64_t>(Wide(nudge) - 1, 0, 5)); }

bool PlacePopupWindow(PopupPosition& position, const PopupPlacementContext& context, PopupCascade& cascade,
                      const WorkAreaAt& workAreaAt) {
  // Wine hides a popup with a placement of zeros: passed on as it is, it cannot
  // disturb the cascade or bring a shadow as the menu closes.
  if (position.hides) return false;
  if (!position.moves && !position.sizes) return false;
  cascade.placements = ClampToInt32(Wide(cascade.placements) + 1);

  if (!context.submenu) {
    if (position.moves) position.x = ClampToInt32(Wide(position.x) + NudgeShift(context.placementNudge));
    if (position.sizes) position.cx = std::max(position.cx, context.measuredWidth);
  }
  // The Office frame is cut out of the system's frame; a window whose frame is
  // drawn inside its client area keeps the size its items need.
  if (context.office && context.systemFrame) {
    if (context.submenu && position.sizes) position.cx = ClampToInt32(Wide(position.cx) - 2);
    if (position.sizes) position.cy = ClampToInt32(Wide(position.cy) - 3);
  }

  bool placedNow = false;
  if (!cascade.placed && (cascade.placements == 2 || position.shows)) {
    cascade.placed = placedNow = true;
    if (cascade.recordLeft == 0) cascade.recordLeft = cascade.cascadeX;
    int64_t x = position.x, y = position.y;
    const int64_t width = position.sizes ? position.cx : context.currentWidth;
    const int64_t height = position.sizes ? position.cy : context.currentHeight;
    if (context.submenu) {
      if (cascade.cascadeX >= x) {
        if (!context.office) x -= 2;  // opens to the left
      } else if (context.trackedOpen && context.parentIsRoot) {
        // Against the root popup's right edge. A deeper submenu would land on its
        // own parent there, so it opens from where the system put it.
        x = Wide(context.popupLeft) + context.measuredWidth - 1;
      } else {
        x += context.office ? 3 : 5;
      }
      y += 2;
    }
    const PopupRect work = workAreaAt ? workAreaAt(ClampToInt32(x), ClampToInt32(y)) : PopupRect{};
    if (!work.Empty()) {
      if (x + width > work.right) {
        x = Wide(cascade.cascadeX) - width + 1;
      } else if (y + height > work.bottom) {
        y = Wide(work.bottom) - height;
      }
    }
    position.x = ClampToInt32(x);
    position.y = ClampToInt32(y);
    cascade.cascadeX = position.x;
    cascade.cascadeY = ClampToInt32(Wide(cascade.cascadeY) + position.y);
  }
  if (position.sizes && position.cy >= 1) cascade.cascadeY = position.cy;
  return placedNow;
}

PopupStrips UngrabbedStrips(const PopupRect& wanted, const PopupRect& grabbed) {
  PopupStrips strips;
  if (wanted.Empty()) return strips;
  const PopupRect inner = IntersectPopupRects(wanted, grabbed);
  if (inner.Empty()) {
    strips.Add(wanted);
    return strips;
  }
  strips.Add(PopupRect{wanted.left, wanted.top, wanted.right, inner.top});
  strips.Add(PopupRect{wanted.left, inner.bottom, wanted.right, wanted.bottom});
  strips.Add(PopupRect{wanted.left, inner.top, inner.left, inner.bottom});
  strips.Add(PopupRect{inner.right, inner.top, wanted.right, inner.bottom});
  return strips;
}

ShadowAreaRestore UncoveredShadowArea(const PopupRect& oldArea, const PopupRect& window) {
  ShadowAreaRestore restore;
  if (oldArea.Empty()) return restore;
  const PopupRect inner = IntersectPopupRects(oldArea, window);
  if (inner.Empty()) {
    int64_t top = oldArea.top, bottom = oldArea.bottom;
    if (window.left >= oldArea.left && window.top >= oldArea.top) --bottom;
    else if (window.left <= oldArea.left && window.top <= oldArea.top) ++top;
    restore.redraw = MakeRect(oldArea.left, top, oldArea.right, bottom);
    return restore;
  }
  restore.overlap = true;
  restore.strips.Add(PopupRect{oldArea.left, oldArea.top, inner.left, oldArea.bottom});
  restore.strips.Add(PopupRect{inner.right, oldArea.top, oldArea.right, oldArea.bottom});
  restore.strips.Add(PopupRect{inner.left, oldArea.top, inner.right, inner.top});
  restore.strips.Add(PopupRect{inner.left, inner.bottom, inner.right, oldArea.bottom});
  return restore;
}

PopupStrips ShadowStripsBeside(const PopupRect& shadowArea, const PopupRect& window) {
  PopupStrips strips;
  if (shadowArea.Empty()) return strips;
  strips.Add(PopupRect{std::max(window.right, shadowArea.left), shadowArea.top, shadowArea.right, shadowArea.bottom});
  strips.Add(PopupRect{shadowArea.left, shadowArea.top, std::min(window.left, shadowArea.right), shadowArea.bottom});
  strips.Add(PopupRect{std::max(shadowArea.left, window.left), std::max(window.bottom, shadowArea.top),
                       std::min(shadowArea.right, window.right), shadowArea.bottom});
  return strips;
}

}  // namespace kelvra
