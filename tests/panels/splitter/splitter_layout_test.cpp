// Where a splitter puts its bar and gadgets, without windows: the resize
// layout side by side and stacked, the limits in the order that decides between
// them, collapsed sides, drag steps with their grab offset, the percentage that
// must not creep, and the click-to-snap decisions.
#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>

#include "panels/splitter/splitter_layout.h"

namespace kelvra {
namespace {

std::string Text(const SplitterBox& b) {
  return std::to_string(b.x) + "," + std::to_string(b.y) + " " + std::to_string(b.width) + "x" +
         std::to_string(b.height);
}

// The built-in skins' sizes and paddings, side by side and stacked.
SplitterMetrics Plain(bool stacked) {  // "syssplitterskin"
  SplitterMetrics m;
  m.stacked = stacked;
  (stacked ? m.barHeight : m.barWidth) = 5;
  return m;
}
SplitterMetrics Padded(bool stacked) {  // "syssplitter2skin"
  SplitterMetrics m = Plain(stacked);
  if (stacked) {
    m.firstPadding.bottom = 1;
    m.secondPadding.top = 1;
  } else {
    m.firstPadding.right = 1;
    m.secondPadding.left = 1;
  }
  return m;
}
SplitterMetrics Office(bool stacked) {  // "office2007splitterskin": a 100-pixel grip
  SplitterMetrics m = Padded(stacked);
  m.barWidth = stacked ? 100 : 9;
  m.barHeight = stacked ? 9 : 100;
  return m;
}

TEST(SplitterLayout, ResizeTable) {
  struct Case {
    const char* what;
    SplitterMetrics metrics;
    double position;
    int32_t width, height;
    SplitterBox bar, first, second;
  } cases[] = {
      // The bar's centre (left + 5 / 2) at 200 of 400, then at 400 of 800.
      {"400 wide", Plain(false), 50.0, 400, 300, {198, 0, 5, 300}, {0, 0, 198, 300}, {203, 0, 197, 300}},
      {"800 wide", Plain(false), 50.0, 800, 300, {398, 0, 5, 300}, {0, 0, 398, 300}, {403, 0, 397, 300}},
      {"stacked 400 high", Plain(true), 50.0, 300, 400, {0, 198, 300, 5}, {0, 0, 300, 198}, {0, 203, 300, 197}},
      {"stacked 800 high", Plain(true), 50.0, 300, 800, {0, 398, 300, 5}, {0, 0, 300, 398}, {0, 403, 300, 397}},
      {"paddings", Padded(false), 50.0, 400, 300, {198, 0, 5, 300}, {0, 0, 197, 300}, {204, 0, 196, 300}},
      {"stacked paddings", Padded(true), 50.0, 300, 400, {0, 198, 300, 5}, {0, 0, 300, 197}, {0, 204, 300, 196}},
      // A bar of 100 is centred across the container; in one smaller than it, it spans.
      {"grip centred", Office(false), 50.0, 400, 300, {196, 100, 9, 100}, {0, 0, 195, 300}, {206, 0, 194, 300}},
      {"grip spans", Office(false), 50.0, 400, 60, {196, 0, 9, 60}, {0, 0, 195, 60}, {206, 0, 194, 60}},
      {"stacked grip", Office(true), 50.0, 300, 400, {100, 196, 100, 9}, {0, 0, 300, 195}, {0, 206, 300, 194}},
      {"at 25 percent", Plain(false), 25.0, 400, 300, {98, 0, 5, 300}, {0, 0, 98, 300}, {103, 0, 297, 300}},
      {"at 0", Plain(false), 0.0, 400, 300, {0, 0, 5, 300}, {0, 0, 0, 300}, {5, 0, 395, 300}},
      {"at 100", Plain(false), 100.0, 400, 300, {395, 0, 5, 300}, {0, 0, 395, 300}, {400, 0, 0, 300}},
  };
  for (const Case& c : cases) {
    const SplitterPlacement p = LayOutSplitter(c.metrics, c.position, c.width, c.height,
                                               c.metrics.stacked ? c.height : c.width);
    EXPECT_EQ(Text(p.bar), Text(c.bar)) << c.what;
    EXPECT_EQ(Text(p.first), Text(c.first)) << c.what;
    EXPECT_EQ(Text(p.second), Text(c.second)) << c.what;
  }
}

TEST(SplitterLayout, LimitsTable) {
  struct Case {
    const char* what;
    int32_t firstMin, firstMax, secondMin, secondMax;
    int32_t target;
    int32_t barStart;  // in a 400-pixel container with a 5-pixel bar
  } cases[] = {
      {"first minimum", 100, 0, 0, 0, 20, 100},
      {"first minimum not reached", 100, 0, 0, 0, 250, 250},
      {"first maximum", 0, 150, 0, 0, 300, 150},
      // The bar's right edge never lies left of 400 - 150.
      {"second maximum", 0, 0, 0, 150, 20, 245},
      {"second maximum not reached", 0, 0, 0, 150, 300, 300},
      {"second minimum", 0, 0, 100, 0, 380, 295},
      {"before the start", 0, 0, 0, 0, -40, 0},
      {"past the end", 0, 0, 0, 0, 900, 395},
      // When limits disagree the second gadget's, applied last, win.
      {"minimums overlap", 300, 0, 200, 0, 350, 195},
      {"first minimum beats the end", 420, 0, 0, 0, 10, 420},
  };
  for (bool stacked : {false, true}) {
    for (const Case& c : cases) {
      SplitterMetrics m = Plain(stacked);
      m.firstMinimum = c.firstMin;
      m.firstMaximum = c.firstMax;
      m.secondMinimum = c.secondMin;
      m.secondMaximum = c.secondMax;
      const int32_t width = stacked ? 300 : 400, height = stacked ? 400 : 300;
      const SplitterRelayout r = RelayOutSplitter(m, 50.0, c.target, width, height);
      EXPECT_EQ(stacked ? r.placement.bar.y : r.placement.bar.x, c.barStart) << c.what << (stacked ? " stacked" : "");
      // A drag to the same place meets the same limits.
      int32_t grab = 0;
      const SplitterPlacement dragged = MoveSplitterBar(m, c.target, 198, grab, width, height);
      EXPECT_EQ(dragged, r.placement) << c.what;
    }
  }
}

TEST(SplitterLayout, CollapsedSides) {
  struct Case {
    bool stacked, first, second;
    SplitterBox bar;
  } cases[] = {
      {false, true, false, {-5, 0, 5, 300}},
      {false, false, true, {400, 0, 5, 300}},
      {false, true, true, {-5, 0, 5, 300}},  // the first side's rule comes first
      {true, true, false, {0, -5, 300, 5}},
      {true, false, true, {0, 400, 300, 5}},
  };
  for (const Case& c : cases) {
    SplitterMetrics m = Plain(c.stacked);
    m.firstCollapsed = c.first;
    m.secondCollapsed = c.second;
    m.firstMinimum = 50;  // collapsing overrides the limits
    const int32_t width = c.stacked ? 300 : 400, height = c.stacked ? 400 : 300;
    const SplitterPlacement p = LayOutSplitter(m, 50.0, width, height, c.stacked ? height : width);
    EXPECT_EQ(Text(p.bar), Text(c.bar));
    // The open side fills the container; the collapsed one has no size.
    if (c.first && !c.second) {
      EXPECT_EQ(Text(p.second), Text(SplitterBox{0, 0, width, height}));
      EXPECT_EQ(c.stacked ? p.first.height : p.first.width, 0);
    }
    // A collapsed splitter keeps its percentage for when it opens again.
    EXPECT_EQ(RelayOutSplitter(m, 37.5, std::nullopt, width, height).position, 37.5);
  }
}

TEST(SplitterLayout, DragKeepsTheGrabOffset) {
  const SplitterMetrics m = Plain(false);
  int32_t grab = -1;
  // Pressed 2 pixels into a bar at 198: the offset is taken at the first move.
  SplitterPlacement p = MoveSplitterBar(m, 200, 198, grab, 400, 300);
  EXPECT_EQ(grab, 2);
  EXPECT_EQ(p.bar.x, 198);
  p = MoveSplitterBar(m, 250, p.bar.x, grab, 400, 300);
  EXPECT_EQ(p.bar.x, 248);
  p = MoveSplitterBar(m, 1000, p.bar.x, grab, 400, 300);
  EXPECT_EQ(p.bar.x, 395);
  EXPECT_EQ(grab, 2);
}

// Setting an attribute that changes no limit must leave the bar where it was,
// however often it is done, for odd and even bar sizes alike.
TEST(SplitterLayout, PercentageDoesNotCreep) {
  for (int32_t thickness : {4, 5, 9}) {
    SplitterMetrics m = Plain(false);
    m.barWidth = thickness;
    for (int32_t width = 50; width <= 1000; width += 37) {
      for (double position : {0.0, 12.5, 33.0, 50.0, 71.3, 100.0}) {
        const SplitterPlacement laid = LayOutSplitter(m, position, width, 200, width);
        SplitterRelayout r{laid, position};
        for (int round = 0; round < 5; ++round) {
          r = RelayOutSplitter(m, r.position, std::nullopt, width, 200);
          ASSERT_EQ(r.placement.bar.x, laid.bar.x) << "bar " << thickness << " width " << width << " at " << position
                                                   << " after " << round + 1 << " sets";
        }
        // And the next resize at the same size agrees.
        EXPECT_EQ(LayOutSplitter(m, r.position, width, 200, width).bar.x, laid.bar.x);
      }
    }
  }
}

TEST(SplitterLayout, PositionFromTheBar) {
  const SplitterMetrics m = Plain(false);
  EXPECT_EQ(PositionForBar(m, 0, 400, 300), 0.0);
  EXPECT_EQ(PositionForBar(m, 395, 400, 300), 100.0);
  EXPECT_DOUBLE_EQ(PositionForBar(m, 98, 400, 300), 25.0);
  // The bar moved by attribute: the percentage follows its centre.
  const SplitterRelayout r = RelayOutSplitter(m, 50.0, 298, 400, 300);
  EXPECT_EQ(r.placement.bar.x, 298);
  EXPECT_DOUBLE_EQ(r.position, 75.0);
  EXPECT_EQ(LayOutSplitter(m, r.position, 800, 300, 800).bar.x, 598);
}

TEST(SplitterLayout, FlagsChooseSnapModeAndStart) {
  struct Case {
    uint32_t flags;
    int32_t mode;
    double start;
  } cases[] = {
      {0, 0, 50.0},
      {0x1000, 0, 50.0},
      {0x20000, kSnapLeft, 50.0},
      {0x21000, kSnapLeft, 0.0},
      {0x11001, kSnapTop, 0.0},
      {0x41001, kSnapBottom, 100.0},
      {0x81000, kSnapRight, 100.0},
      {0xF0000, kSnapTop, 50.0},  // the first in order wins
      {0xA1000, kSnapLeft, 0.0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SnapModeFromFlags(c.flags), c.mode) << std::hex << c.flags;
    EXPECT_EQ(StartPosition(c.flags), c.start) << std::hex << c.flags;
  }
}

TEST(SplitterLayout, SnapTable) {
  SplitterMetrics m = Plain(false);
  m.firstMinimum = 40;
  m.secondMinimum = 60;
  struct Case {
    const char* what;
    int32_t mode;
    int32_t barX;
    bool click;
    int32_t restore;
    bool snapped;
    int32_t savedRestore;
    std::optional<int32_t> target;
  } cases[] = {
      // Left: a click at 198 snaps to the first minimum, saving 198; the next click comes back.
      {"left snaps", kSnapLeft, 198, true, 0, true, 198, 40},
      {"left restores", kSnapLeft, 40, true, 198, false, 198, 198},
      {"left at 0 counts as snapped", kSnapLeft, 0, true, 150, false, 150, 150},
      {"left keeps an older restore", kSnapLeft, 120, true, 198, true, 198, 40},
      // Without a saved place the snap side gets all the limits allow.
      {"left restores without a place", kSnapLeft, 40, true, 0, false, 0, 400},
      // A drag remembers where it ended and leaves the bar there.
      {"left drag", kSnapLeft, 170, false, 198, false, 170, std::nullopt},
      // Right: the second gadget gets its minimum: the bar's right edge at 400 - 60.
      {"right snaps", kSnapRight, 198, true, 0, true, 197, 335},
      {"right restores", kSnapRight, 335, true, 197, false, 197, 198},
      {"right at the edge counts as snapped", kSnapRight, 395, true, 100, false, 100, 295},
      {"right drag", kSnapRight, 250, false, 0, false, 145, std::nullopt},
  };
  for (const Case& c : cases) {
    SnapRelease release;
    release.mode = c.mode;
    release.bar = SplitterBox{c.barX, 0, 5, 300};
    release.width = 400;
    release.height = 300;
    release.click = c.click;
    release.restore = c.restore;
    const SnapOutcome out = ReleaseOnSnap(m, release);
    EXPECT_EQ(out.snapped, c.snapped) << c.what;
    EXPECT_EQ(out.restore, c.savedRestore) << c.what;
    EXPECT_EQ(out.target, c.target) << c.what;
  }
  // Stacked sides read the bar's top and bottom.
  SplitterMetrics stacked = Plain(true);
  stacked.secondMinimum = 60;
  SnapRelease bottom{kSnapBottom, SplitterBox{0, 198, 300, 5}, 300, 400, true, 0};
  SnapOutcome out = ReleaseOnSnap(stacked, bottom);
  EXPECT_TRUE(out.snapped);
  EXPECT_EQ(out.restore, 197);
  EXPECT_EQ(out.target, 335);
  SnapRelease top{kSnapTop, SplitterBox{0, 198, 300, 5}, 300, 400, true, 0};
  out = ReleaseOnSnap(stacked, top);
  EXPECT_TRUE(out.snapped);
  EXPECT_EQ(out.target, 0);
}

// Limits, paddings and sizes come from callers and skins: extreme ones give
// rectangles in range, never an overflow (the host build runs this under UBSan).
TEST(SplitterLayout, ExtremeValuesStayInRange) {
  constexpr int32_t kMax = INT32_MAX, kMin = INT32_MIN;
  for (int32_t value : {kMax, kMin, -1}) {
    SplitterMetrics m = Plain(false);
    m.barWidth = value;
    m.barHeight = value;
    m.firstMinimum = m.firstMaximum = m.secondMinimum = m.secondMaximum = value;
    m.firstPadding = m.secondPadding = SplitterEdges{value, value, value, value};
    for (int32_t target : {kMax, kMin, 0}) {
      const SplitterRelayout r = RelayOutSplitter(m, 50.0, target, 400, 300);
      for (const SplitterBox& b : {r.placement.bar, r.placement.first, r.placement.second}) {
        EXPECT_GE(b.width, 0);
        EXPECT_GE(b.height, 0);
        EXPECT_LE(b.x, 1 << 30);
        EXPECT_GE(b.x, -(1 << 30));
      }
      int32_t grab = -1;
      MoveSplitterBar(m, target, kMin, grab, kMax, kMax);
      SnapRelease release{kSnapRight, SplitterBox{target, 0, value, value}, kMax, kMax, true, value};
      ReleaseOnSnap(m, release);
      release.mode = kSnapLeft;
      release.restore = 0;
      ReleaseOnSnap(m, release);
    }
    EXPECT_GE(LayOutSplitter(m, 1e300, 400, 300, 400).bar.height, 0);
  }
}

}  // namespace
}  // namespace kelvra
