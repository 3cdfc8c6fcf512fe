// Where an explorer bar's headers, bodies and items go, without windows: a
// fixture skin whose every margin and padding differs, so a value used on the
// wrong side or twice shows in the rectangles.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "panels/explorer_bar/explorer_bar_layout.h"

namespace kelvra {
namespace {

ExplorerBarMetrics Fixture() {
  ExplorerBarMetrics m;
  m.margin = ExplorerBarEdges{3, 5, 7, 11};
  m.groupMargin = ExplorerBarEdges{13, 17, 19, 23};
  m.groupPadding = ExplorerBarEdges{2, 4, 6, 8};
  m.itemPadding = ExplorerBarEdges{1, 9, 3, 10};
  m.headerHeight = 32;
  m.itemHeight = 20;
  return m;
}

std::string Text(const ExplorerBarBox& b) {
  return std::to_string(b.x) + "," + std::to_string(b.y) + " " + std::to_string(b.width) + "x" +
         std::to_string(b.height);
}

std::string Text(const std::vector<ExplorerBarGroupBoxes>& groups) {
  std::string s;
  for (const auto& g : groups) s += "[" + Text(g.header) + " | " + Text(g.body) + "]";
  return s;
}

std::string Text(const std::vector<ExplorerBarBox>& items) {
  std::string s;
  for (const auto& b : items) s += "[" + Text(b) + "]";
  return s;
}

TEST(ExplorerBarLayout, BodyHeights) {
  const ExplorerBarMetrics m = Fixture();
  struct Case {
    std::size_t items;
    int32_t full, sized;
  } cases[] = {
      // 17 + 23 - 10: below the header height, which a new body is given instead.
      {0, 30, 32},
      // 17 + 23 + (20 + 9 + 10) - 10.
      {1, 69, 69},
      {3, 147, 147},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.items);
    EXPECT_EQ(FullBodyHeight(m, c.items), c.full);
    EXPECT_EQ(SizedBodyHeight(m, c.items), c.sized);
  }
  // A group margin smaller than the item padding it takes back never gives a
  // negative height.
  ExplorerBarMetrics tight = m;
  tight.groupMargin = ExplorerBarEdges{};
  tight.headerHeight = 0;
  EXPECT_EQ(FullBodyHeight(tight, 0), 0);
  EXPECT_EQ(SizedBodyHeight(tight, 0), 0);
}

TEST(ExplorerBarLayout, GroupsWalkDownWithAndWithoutTheVerticalBar) {
  const ExplorerBarMetrics m = Fixture();
  const std::vector<int32_t> heights{SizedBodyHeight(m, 0), SizedBodyHeight(m, 1), SizedBodyHeight(m, 3)};
  struct Case {
    const char* name;
    int32_t width;
    std::vector<int32_t> heights;
    const char* expected;
  } cases[] = {
      // x = 3 + 2, width = 200 - 3 - 7 - 2 - 6; y from 5, each group 4 above,
      // 32 of header, its body, 8 below.
      {"open groups of 0, 1 and 3 items", ExplorerBarLayoutWidth(200, false, 17), heights,
       "[5,9 182x32 | 5,41 182x32][5,85 182x32 | 5,117 182x69][5,198 182x32 | 5,230 182x147]"},
      {"the vertical bar narrows every group", ExplorerBarLayoutWidth(200, true, 17), heights,
       "[5,9 165x32 | 5,41 165x32][5,85 165x32 | 5,117 165x69][5,198 165x32 | 5,230 165x147]"},
      // A shut body takes no room: the groups below move up by its height.
      {"the middle group shut", 200, {32, 0, 147},
       "[5,9 182x32 | 5,41 182x32][5,85 182x32 | 5,117 182x0][5,129 182x32 | 5,161 182x147]"},
      {"a body mid-animation at its present height", 200, {32, 40},
       "[5,9 182x32 | 5,41 182x32][5,85 182x32 | 5,117 182x40]"},
      {"a bar narrower than its margins", 10, {-5}, "[5,9 0x32 | 5,41 0x0]"},
      {"no groups", 200, {}, ""},
  };
  std::vector<ExplorerBarGroupBoxes> out{ExplorerBarGroupBoxes{}};  // refilled, not appended to
  for (const Case& c : cases) {
    LayOutExplorerBarGroups(m, c.width, c.heights, out);
    EXPECT_EQ(Text(out), c.expected) << c.name;
  }
}

TEST(ExplorerBarLayout, ItemsAnchorAtTheBodysFoot) {
  const ExplorerBarMetrics m = Fixture();
  struct Case {
    const char* name;
    int32_t width, height;
    std::size_t items;
    const char* expected;
  } cases[] = {
      // x = 13 + 1, width = 182 - 13 - 19 - 1 - 3; the last item's foot 23 above
      // the body's, the items 10 apart, the first 17 + 3 * 9 from the top.
      {"three items at full height", 182, 147, 3, "[14,44 146x20][14,74 146x20][14,104 146x20]"},
      {"one item", 182, 69, 1, "[14,26 146x20]"},
      {"no items", 182, 32, 0, ""},
      // Half shut: the whole stack moves up with the foot, the first item leaves
      // the body first.
      {"a shrinking body", 182, 60, 3, "[14,-43 146x20][14,-13 146x20][14,17 146x20]"},
      {"a shut body", 182, 0, 2, "[14,-73 146x20][14,-43 146x20]"},
  };
  std::vector<ExplorerBarBox> out;
  for (const Case& c : cases) {
    LayOutExplorerBarItems(m, c.width, c.height, c.items, out);
    EXPECT_EQ(Text(out), c.expected) << c.name;
  }
}

// A hostile skin: every value at the edge of 32 bits. Positions are defined
// (the sanitizers watch for overflow), sizes never negative.
TEST(ExplorerBarLayout, HugeSkinValuesStayDefined) {
  ExplorerBarMetrics m;
  for (ExplorerBarEdges* e : {&m.margin, &m.groupMargin, &m.groupPadding, &m.itemPadding})
    *e = ExplorerBarEdges{INT32_MAX, INT32_MIN, INT32_MAX, INT32_MIN};
  m.headerHeight = INT32_MAX;
  m.itemHeight = INT32_MIN;
  std::vector<ExplorerBarGroupBoxes> groups;
  LayOutExplorerBarGroups(m, INT32_MIN, std::vector<int32_t>(50, INT32_MAX), groups);
  ASSERT_EQ(groups.size(), 50u);
  for (const auto& g : groups) {
    EXPECT_GE(g.header.width, 0);
    EXPECT_GE(g.body.height, 0);
  }
  std::vector<ExplorerBarBox> items;
  LayOutExplorerBarItems(m, INT32_MAX, INT32_MIN, 40, items);
  ASSERT_EQ(items.size(), 40u);
  for (const auto& b : items) EXPECT_GE(b.height, 0);
  EXPECT_GE(FullBodyHeight(m, 1000), 0);
  EXPECT_GE(SizedBodyHeight(m, 1000), 0);
  EXPECT_EQ(ExplorerBarLayoutWidth(INT32_MIN, true, INT32_MAX), INT32_MIN);
}

}  // namespace
}  // namespace kelvra
