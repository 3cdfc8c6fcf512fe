// Menu item geometry as pure arithmetic: the icon column by style, the label and
// hot-key places, icons centred by integer halves, the arrow square, the scroll
// triangles, and the paint-pass and separator-skip steps.
#include <gtest/gtest.h>

#include <cstdint>

#include "commandbars/menu_draw/menu_item_layout.h"

namespace kelvra {
namespace {

TEST(MenuItemLayout, LooksAndColumns) {
  struct Case {
    int32_t style;
    bool themed;
    MenuLook look;
    int32_t column;  // for 16-pixel icons and the margin 6
    int32_t openRight;  // of a popup measured 160 wide
  };
  const Case cases[] = {
      {0, false, MenuLook::PlainClassic, 27, 154},
      {4, true, MenuLook::ThemedClassic, 27, 154},
      {-1, false, MenuLook::PlainClassic, 27, 154},
      {5, true, MenuLook::Whidbey, 22, 154},
      {6, false, MenuLook::Office2003, 22, 156},
      {0x1000000, false, MenuLook::Office2003, 22, 156},
      {0x2000000, false, MenuLook::Office2007, 24, 156},
      {7, false, MenuLook::Whidbey, 22, 154},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MenuLookOf(c.style, c.themed), c.look) << "style " << c.style;
    EXPECT_EQ(MenuImageColumn(16, 6, c.style), c.column) << "style " << c.style;
    EXPECT_EQ(OpenItemRight(160, c.style), c.openRight) << "style " << c.style;
  }
  EXPECT_TRUE(CommonControlsAllowMenuTheme(6, 1));
  EXPECT_TRUE(CommonControlsAllowMenuTheme(7, 0));
  EXPECT_FALSE(CommonControlsAllowMenuTheme(6, 0));
  EXPECT_FALSE(CommonControlsAllowMenuTheme(5, 81));
}

TEST(MenuItemLayout, TextPlaces) {
  const ItemRect item{3, 26, 157, 49};
  EXPECT_EQ(LabelRect(item, MenuLook::Whidbey, 22, 16), (ItemRect{34, 26, 188, 48}));
  EXPECT_EQ(LabelRect(item, MenuLook::Office2007, 24, 16), (ItemRect{36, 26, 190, 48}));
  EXPECT_EQ(LabelRect(item, MenuLook::ThemedClassic, 27, 16), (ItemRect{36, 26, 190, 48}));
  // The plain classic look counts the image width and keeps the full bottom.
  EXPECT_EQ(LabelRect(item, MenuLook::PlainClassic, 27, 16), (ItemRect{28, 26, 182, 49}));
  // The hot-key text ends the check-mark width + 6 before the item's right edge.
  EXPECT_EQ(HotKeyRect(item, 40, 13), (ItemRect{98, 26, 138, 48}));
}

TEST(MenuItemLayout, IconsAndBoxes) {
  struct Case {
    ItemRect item;
    int32_t column, width, height;
    ItemPoint want;
  };
  const Case cases[] = {
      {{3, 3, 157, 26}, 22, 16, 16, {6, 6}},
      {{3, 3, 157, 26}, 23, 16, 16, {6, 6}},   // 23 / 2 is 11
      {{3, 3, 157, 26}, 22, 7, 7, {11, 11}},   // the 7 x 7 glyphs
      {{3, 3, 157, 12}, 22, 16, 16, {6, 0}},   // taller than the item: above its top
  };
  for (const auto& c : cases) EXPECT_EQ(IconOrigin(c.item, c.column, c.width, c.height), c.want);
  EXPECT_EQ(CheckBoxRect({3, 3, 157, 26}, 22), (ItemRect{4, 4, 24, 24}));
  EXPECT_EQ(SeparatorLine({3, 40, 157, 42}, 22), (ItemRect{34, 40, 156, 41}));
  EXPECT_EQ(ClassicSeparatorLine({3, 40, 157, 47}, 0), (ItemRect{5, 43, 155, 44}));
  EXPECT_EQ(ClassicSeparatorLine({3, 40, 157, 47}, 1), (ItemRect{5, 44, 155, 45}));
  EXPECT_EQ(SubmenuArrowSquare({3, 3, 157, 26}, 13), (ItemRect{144, 8, 157, 21}));
  EXPECT_EQ(CachedItemArrowStrip({3, 3, 157, 26}, 13), (ItemRect{142, 3, 157, 25}));
}

TEST(MenuItemLayout, ScrollTriangles) {
  // A check mark 13 wide gives triangles 6 by 3, the up one a pixel lower and
  // the down one a pixel higher than the centre.
  const ItemRect item{3, 3, 157, 23};
  const auto up = ScrollTriangle(item, 13, true);
  EXPECT_EQ(up[0], (ItemPoint{78, 13}));
  EXPECT_EQ(up[1], (ItemPoint{75, 16}));
  EXPECT_EQ(up[2], (ItemPoint{81, 16}));
  const auto down = ScrollTriangle(item, 13, false);
  EXPECT_EQ(down[0], (ItemPoint{78, 14}));
  EXPECT_EQ(down[1], (ItemPoint{75, 11}));
  EXPECT_EQ(down[2], (ItemPoint{81, 11}));
  // An odd right edge rounds down; the width stays even.
  const auto odd = ScrollTriangle({0, 0, 101, 20}, 17, true);
  EXPECT_EQ(odd[1].x, 46);
  EXPECT_EQ(odd[2].x - odd[1].x, 8);
}

TEST(MenuItemLayout, PaintPass) {
  // A popup of three items: its first paint, then a repaint.
  int32_t pass = MenuPaintPass::kFirst;
  const int32_t positions[] = {0, 1, 2, 0, 1};
  const int32_t want[] = {0, 0, -1, 1, 1};
  for (size_t i = 0; i < std::size(positions); ++i) {
    pass = AdvancePaintPass(pass, positions[i], 3);
    EXPECT_EQ(pass, want[i]) << "item " << i;
  }
  EXPECT_EQ(AdvancePaintPass(0, 0, 1), -1);       // a single item is first and last
  EXPECT_EQ(AdvancePaintPass(0, INT32_MAX, INT32_MIN), 0);
}

TEST(MenuItemLayout, SeparatorSkipEnds) {
  // Three separators alone: one skip per item, then none until the run is reset.
  SeparatorSkip skip;
  bool down = false;
  int sent = 0;
  for (int i = 0; i < 10; ++i)
    if (skip.OnHotSeparator(3 + 7 * (i % 3), 3, 3, down)) ++sent;
  EXPECT_EQ(sent, 3);
  skip.Reset();
  EXPECT_TRUE(skip.OnHotSeparator(10, 20, 3, down));
  EXPECT_FALSE(down);  // above the last hot item: Up
  EXPECT_TRUE(skip.OnHotSeparator(20, 20, 3, down));
  EXPECT_TRUE(down);   // at its top: Down
  SeparatorSkip none;
  EXPECT_FALSE(none.OnHotSeparator(0, 0, 0, down));
}

}  // namespace
}  // namespace kelvra
