// Popup placement and the background cache's strips as pure arithmetic: the
// nudge at the work area's edge, the window procedure's shift, width, cascade and
// monitor fit, and which screen strips are grabbed and restored.
#include <gtest/gtest.h>

#include <cstdint>

#include "commandbars/popup/popup_geometry.h"

namespace kelvra {
namespace {

TEST(PopupGeometry, PlacementAtTheWorkAreaEdge) {
  struct Case {
    const char* what;
    int32_t x, width, workRight;
    PopupPlacement want;
  };
  const Case cases[] = {
      {"ends 5 pixels before the edge: stays", 859, 160, 1024, {859, 859, 0}},
      {"one pixel further: moved back, nudge 2", 860, 160, 1024, {859, 859, 2}},
      {"right - width + 1: nudge 7", 865, 160, 1024, {859, 859, 7}},
      {"far inside: stays", 10, 160, 1024, {10, 10, 0}},
      {"a second monitor's edge", 1900, 100, 2048, {1900, 1900, 0}},
      {"hostile x: no overflow", INT32_MAX, INT32_MAX, 1024, {1024 - INT32_MAX - 5, 1024 - INT32_MAX - 5, INT32_MAX}},
  };
  for (const auto& c : cases) EXPECT_EQ(PlacePopupOnWorkArea(c.x, c.width, c.workRight), c.want) << c.what;
}

TEST(PopupGeometry, NudgeShift) {
  const int32_t nudges[][2] = {{0, 0}, {1, 0}, {2, 1}, {3, 2}, {4, 3}, {5, 4}, {6, 5}, {7, 5}, {-4, 0}, {INT32_MIN, 0}, {INT32_MAX, 5}};
  for (const auto& n : nudges) EXPECT_EQ(NudgeShift(n[0]), n[1]) << "nudge " << n[0];
}

PopupRect WholeScreen(int32_t, int32_t) { return PopupRect{0, 0, 1024, 738}; }

PopupPosition Show(int32_t x, int32_t y, int32_t cx, int32_t cy) {
  return PopupPosition{x, y, cx, cy, true, true, true, false};
}

TEST(PopupGeometry, RootPopupPlacement) {
  struct Case {
    const char* what;
    PopupPosition proposal;
    PopupPlacementContext context;
    PopupCascade before;
    PopupPosition want;
    bool placedNow;
  };
  PopupPlacementContext root;
  root.measuredWidth = 158;
  PopupPlacementContext nudged = root;
  nudged.placementNudge = 2;
  PopupPlacementContext nudged7 = root;
  nudged7.placementNudge = 7;
  PopupPlacementContext officeFrame = root;
  officeFrame.office = true;
  PopupPlacementContext officeInClient = officeFrame;
  officeInClient.systemFrame = false;
  const Case cases[] = {
      {"Wine's one show: a wider proposal is kept", Show(100, 100, 160, 200), root, {}, Show(100, 100, 160, 200), true},
      {"a narrower proposal gets the measured width", Show(100, 100, 120, 200), root, {}, Show(100, 100, 158, 200), true},
      {"nudge 2 shifts by one", Show(859, 100, 160, 200), nudged, {}, Show(860, 100, 160, 200), true},
      {"nudge 7 shifts by five", Show(859, 100, 160, 200), nudged7, {}, Show(864, 100, 160, 200), true},
      {"Office with a system frame: 3 off the height", Show(100, 100, 160, 200), officeFrame, {}, Show(100, 100, 160, 197), true},
      {"Office, frame inside the client: height kept", Show(100, 100, 160, 200), officeInClient, {}, Show(100, 100, 160, 200), true},
      {"past the bottom: moved up onto the work area", Show(100, 600, 160, 200), root, {}, Show(100, 538, 160, 200), true},
  };
  for (const auto& c : cases) {
    PopupPosition position = c.proposal;
    PopupCascade cascade = c.before;
    EXPECT_EQ(PlacePopupWindow(position, c.context, cascade, WholeScreen), c.placedNow) << c.what;
    EXPECT_EQ(position.x, c.want.x) << c.what;
    EXPECT_EQ(position.y, c.want.y) << c.what;
    EXPECT_EQ(position.cx, c.want.cx) << c.what;
    EXPECT_EQ(position.cy, c.want.cy) << c.what;
    EXPECT_EQ(cascade.placements, 1) << c.what;
    EXPECT_EQ(cascade.cascadeX, position.x) << c.what;
  }
}

TEST(PopupGeometry, PlacementsThatDoNotCount) {
  PopupPlacementContext root;
  root.measuredWidth = 158;
  root.placementNudge = 7;
  PopupCascade cascade;
  // Wine's hide: all zeros, passed on untouched, and no cascade from it.
  PopupPosition hide{0, 0, 0, 0, true, true, false, true};
  EXPECT_FALSE(PlacePopupWindow(hide, root, cascade, WholeScreen));
  EXPECT_EQ(hide.x, 0);
  EXPECT_EQ(hide.cx, 0);
  PopupPosition zOrderOnly{5, 5, 5, 5, false, false, false, false};
  EXPECT_FALSE(PlacePopupWindow(zOrderOnly, root, cascade, WholeScreen));
  EXPECT_EQ(zOrderOnly.x, 5);
  EXPECT_EQ(cascade, PopupCascade{});
}

TEST(PopupGeometry, SecondPlacementOfASystemThatPlacesTwice) {
  PopupPlacementContext root;
  root.measuredWidth = 158;
  PopupCascade cascade;
  PopupPosition size{0, 0, 160, 200, false, true, false, false};
  EXPECT_FALSE(PlacePopupWindow(size, root, cascade, WholeScreen));
  EXPECT_EQ(cascade.placements, 1);
  PopupPosition move{300, 100, 160, 200, true, false, false, false};
  EXPECT_TRUE(PlacePopupWindow(move, root, cascade, WholeScreen));
  EXPECT_TRUE(cascade.placed);
  EXPECT_EQ(cascade.cascadeX, 300);
  // The show that follows runs none of it again.
  PopupPosition show{300, 100, 160, 200, false, false, true, false};
  EXPECT_FALSE(PlacePopupWindow(show, root, cascade, WholeScreen));
}

TEST(PopupGeometry, SubmenuCascade) {
  struct Case {
    const char* what;
    bool office, trackedOpen, parentIsRoot;
    int32_t cascadeX;
    PopupPosition proposal;
    int32_t wantX, wantY;
  };
  const Case cases[] = {
      {"to the right", false, false, true, 100, Show(255, 120, 150, 80), 260, 122},
      {"to the right, Office", true, false, true, 100, Show(255, 120, 150, 80), 258, 122},
      {"to the right of an open root: its right edge", false, true, true, 100, Show(255, 120, 150, 80), 100 + 158 - 1, 122},
      {"deeper, of an open root: where the system put it", false, true, false, 300, Show(455, 120, 150, 80), 460, 122},
      {"to the left", false, false, true, 300, Show(150, 120, 150, 80), 148, 122},
      {"to the left, Office: x kept", true, false, true, 300, Show(150, 120, 150, 80), 150, 122},
      {"past the right edge: turned to the cascade's left", false, false, true, 800, Show(950, 120, 150, 80), 651, 122},
      {"past the bottom: moved up", false, false, true, 100, Show(255, 700, 150, 80), 260, 658},
  };
  for (const auto& c : cases) {
    PopupPlacementContext context;
    context.submenu = true;
    context.parentIsRoot = c.parentIsRoot;
    context.office = c.office;
    context.systemFrame = false;
    context.trackedOpen = c.trackedOpen;
    context.measuredWidth = 158;
    context.popupLeft = 100;
    context.placementNudge = 7;  // a root's nudge never moves a submenu
    PopupCascade cascade;
    cascade.cascadeX = c.cascadeX;
    PopupPosition position = c.proposal;
    EXPECT_TRUE(PlacePopupWindow(position, context, cascade, WholeScreen)) << c.what;
    EXPECT_EQ(position.x, c.wantX) << c.what;
    EXPECT_EQ(position.y, c.wantY) << c.what;
    EXPECT_EQ(position.cx, c.proposal.cx) << c.what;
    EXPECT_EQ(cascade.cascadeX, c.wantX) << c.what;
    EXPECT_EQ(cascade.recordLeft, c.cascadeX) << c.what;
  }
}

int64_t Area(const PopupRect& r) { return r.Empty() ? 0 : int64_t{r.Width()} * r.Height(); }

TEST(PopupGeometry, UngrabbedStrips) {
  struct Case {
    const char* what;
    PopupRect wanted, grabbed;
    int count;
  };
  const Case cases[] = {
      {"nothing grabbed: all", {10, 10, 110, 60}, {}, 1},
      {"apart: all", {10, 10, 110, 60}, {200, 200, 300, 300}, 1},
      {"the same: none", {10, 10, 110, 60}, {10, 10, 110, 60}, 0},
      {"moved right: the new right strip", {20, 10, 120, 60}, {10, 10, 110, 60}, 1},
      {"moved down and left: bottom and left", {0, 20, 100, 70}, {10, 10, 110, 60}, 2},
      {"grown on every side: four", {0, 0, 200, 200}, {50, 50, 100, 100}, 4},
      {"empty wanted: none", {10, 10, 10, 60}, {}, 0},
  };
  for (const auto& c : cases) {
    const PopupStrips strips = UngrabbedStrips(c.wanted, c.grabbed);
    EXPECT_EQ(strips.count, c.count) << c.what;
    // The strips and what was grabbed cover exactly what is wanted, none twice.
    int64_t area = Area(IntersectPopupRects(c.wanted, c.grabbed));
    for (const PopupRect& strip : strips) {
      EXPECT_EQ(IntersectPopupRects(strip, c.wanted), strip) << c.what;
      EXPECT_FALSE(PopupRectsOverlap(strip, c.grabbed)) << c.what;
      for (const PopupRect& other : strips)
        if (&other != &strip) EXPECT_FALSE(PopupRectsOverlap(strip, other)) << c.what;
      area += Area(strip);
    }
    EXPECT_EQ(area, Area(c.wanted)) << c.what;
  }
  const PopupStrips right = UngrabbedStrips({20, 10, 120, 60}, {10, 10, 110, 60});
  EXPECT_EQ(right.strips[0], (PopupRect{110, 10, 120, 60}));
}

TEST(PopupGeometry, UncoveredShadowArea) {
  const PopupRect old{100, 100, 300, 250};
  // Moved right and down, overlapping: the left strip (full height), then the top.
  ShadowAreaRestore moved = UncoveredShadowArea(old, {120, 110, 320, 260});
  ASSERT_TRUE(moved.overlap);
  ASSERT_EQ(moved.strips.count, 2);
  EXPECT_EQ(moved.strips.strips[0], (PopupRect{100, 100, 120, 250}));
  EXPECT_EQ(moved.strips.strips[1], (PopupRect{120, 100, 300, 110}));
  // Shrunk inside the old area: left, right, top and bottom in that order.
  ShadowAreaRestore shrunk = UncoveredShadowArea(old, {110, 120, 290, 240});
  ASSERT_EQ(shrunk.strips.count, 4);
  EXPECT_EQ(shrunk.strips.strips[0], (PopupRect{100, 100, 110, 250}));
  EXPECT_EQ(shrunk.strips.strips[1], (PopupRect{290, 100, 300, 250}));
  EXPECT_EQ(shrunk.strips.strips[2], (PopupRect{110, 100, 290, 120}));
  EXPECT_EQ(shrunk.strips.strips[3], (PopupRect{110, 240, 290, 250}));
  // Apart: the whole old area, trimmed by the direction of the move.
  struct Apart {
    const char* what;
    PopupRect window, redraw;
  };
  const Apart apart[] = {
      {"down and right: one shorter at the bottom", {400, 300, 500, 400}, {100, 100, 300, 249}},
      {"up and left: one lower at the top", {0, 0, 50, 50}, {100, 101, 300, 250}},
      {"down and left: as it was", {0, 300, 50, 400}, {100, 100, 300, 250}},
  };
  for (const auto& a : apart) {
    const ShadowAreaRestore r = UncoveredShadowArea(old, a.window);
    EXPECT_FALSE(r.overlap) << a.what;
    EXPECT_EQ(r.redraw, a.redraw) << a.what;
  }
  EXPECT_EQ(UncoveredShadowArea(old, old).strips.count, 0);
  EXPECT_FALSE(UncoveredShadowArea({}, old).overlap);
}

TEST(PopupGeometry, ShadowStripsBeside) {
  // A stored shadow area around an earlier, wider drop-down.
  const PopupRect area{100, 50, 305, 255};
  const PopupStrips strips = ShadowStripsBeside(area, {150, 50, 250, 200});
  ASSERT_EQ(strips.count, 3);
  EXPECT_EQ(strips.strips[0], (PopupRect{250, 50, 305, 255}));  // right
  EXPECT_EQ(strips.strips[1], (PopupRect{100, 50, 150, 255}));  // left
  EXPECT_EQ(strips.strips[2], (PopupRect{150, 200, 250, 255})); // below
  EXPECT_EQ(ShadowStripsBeside(area, area).count, 0);
}

}  // namespace
}  // namespace kelvra
