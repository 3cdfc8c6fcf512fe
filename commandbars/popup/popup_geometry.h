// Where popup menus go and which screen strips a bar's drop-down uncovers: the
// placement of DisplayPopupMenuEx with its nudge, the popup window's own
// placements (nudge shift, width, cascade, monitor fit), and the strips the
// screen-background cache grabs and restores. Pure: no Win32 types; every sum is
// made in 64 bits and clamped, so hostile coordinates cannot overflow.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

namespace kelvra {

// A screen rectangle; right and bottom exclusive.
struct PopupRect {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
  int32_t Width() const { return right - left; }
  int32_t Height() const { return bottom - top; }
  bool Empty() const { return right <= left || bottom <= top; }
  bool operator==(const PopupRect&) const = default;
};

// The overlap of two rectangles; empty (all 0) when they do not overlap.
PopupRect IntersectPopupRects(const PopupRect& a, const PopupRect& b);
bool PopupRectsOverlap(const PopupRect& a, const PopupRect& b);

// DisplayPopupMenuEx's horizontal placement: a popup `width` wide asked for at
// `x` whose right edge + 5 would pass `workRight` is moved back to end 5 pixels
// before it, and the nudge says by how much it was moved (+ 6).
struct PopupPlacement {
  int32_t x = 0;          // where to track the popup
  int32_t popupLeft = 0;  // the popup left edge of the tracking
  int32_t nudge = 0;      // the placement nudge, 0 when the popup was not moved
  bool operator==(const PopupPlacement&) const = default;
};
PopupPlacement PlacePopupOnWorkArea(int32_t x, int32_t width, int32_t workRight);

// How far the popup window's procedure shifts a root popup right for a nudge:
// 0 and 1 nothing, 2 one pixel ... 6 and more five.
int32_t NudgeShift(int32_t nudge);

// One WM_WINDOWPOSCHANGING of a popup menu window, as the window procedure
// changes it. The proposal's flags say whether it moves, sizes, shows or hides.
struct PopupPosition {
  int32_t x = 0, y = 0, cx = 0, cy = 0;
  bool moves = false, sizes = false, shows = false, hides = false;
};

// What the tracking and the window's record know when it is placed.
struct PopupPlacementContext {
  bool submenu = false;            // the window shows a submenu (its record names one)
  bool parentIsRoot = false;       // ... opened from the root popup
  bool office = false;             // the menu is drawn in an Office style
  bool systemFrame = true;         // the system gives the window a non-client frame
  int32_t placementNudge = 0;
  int32_t measuredWidth = 0;       // the measured popup width of the tracking
  int32_t popupLeft = 0;           // the popup left edge of the tracking
  bool trackedOpen = false;        // the tracked record's open flag
  int32_t currentWidth = 0;        // the window's size now, for a proposal that keeps its size
  int32_t currentHeight = 0;
};

// The values the placements carry from one window to the next.
struct PopupCascade {
  int32_t cascadeX = 0, cascadeY = 0;  // of the tracking
  int32_t placements = 0;              // of the window's record
  int32_t recordLeft = 0;              // the record's left edge
  bool placed = false;                 // the record's cascade and fit have run
  bool operator==(const PopupCascade&) const = default;
};

// The work area of the monitor nearest a screen point.
using WorkAreaAt = std::function<PopupRect(int32_t x, int32_t y)>;

// Changes `position` as the popup menu window procedure does and updates
// `cascade`. A proposal that hides is left alone, one that neither moves nor
// sizes is not counted. A root popup is shifted by its nudge and made at least
// the measured width (a wider proposal stays: the items need it). The cascade
// and the monitor fit run once per window, at its second placement or, when the
// system places it only once, at the placement that shows it. Returns true when
// that happened now (the moment its shadow is due).
bool PlacePopupWindow(PopupPosition& position, const PopupPlacementContext& context, PopupCascade& cascade,
                      const WorkAreaAt& workAreaAt);

// Up to four disjoint strips.
struct PopupStrips {
  std::array<PopupRect, 4> strips{};
  int count = 0;
  void Add(const PopupRect& strip) {
    if (!strip.Empty() && count < 4) strips[static_cast<size_t>(count++)] = strip;
  }
  const PopupRect* begin() const { return strips.data(); }
  const PopupRect* end() const { return strips.data() + count; }
};

// The parts of `wanted` the background cache has not grabbed yet, given what it
// grabbed last: all of it when the two do not overlap, else the strips of it
// outside `grabbed` (top and bottom across, then left and right between them).
PopupStrips UngrabbedStrips(const PopupRect& wanted, const PopupRect& grabbed);

// What a drop-down that moved from `oldArea` to `window` leaves to restore. When
// the two overlap: the strips of the old area the window no longer covers, in
// the order left, right (both the old area's full height), top, bottom (between
// them). When they do not: the whole old area to redraw, one pixel shorter at the
// bottom when the window moved down and right, one pixel lower at the top when it
// moved up and left.
struct ShadowAreaRestore {
  bool overlap = false;
  PopupStrips strips;   // when overlapping
  PopupRect redraw;     // when not
};
ShadowAreaRestore UncoveredShadowArea(const PopupRect& oldArea, const PopupRect& window);

// The strips of a stored shadow area to the right of, to the left of and below a
// drop-down's new rectangle, in that order, which its first placement redraws in
// the bar (each the area's part beyond that edge of the window).
PopupStrips ShadowStripsBeside(const PopupRect& shadowArea, const PopupRect& window);

}  // namespace kelvra
