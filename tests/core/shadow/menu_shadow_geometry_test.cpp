// Where the strips of a popup menu's shadow go: a plain popup, a drop-down from a
// bar title (anchor, nudge, work-area clip, third strip), a cascaded submenu over
// its parent's strips, and the shadow colour from a stored UI colour.
#include <gtest/gtest.h>

#include <optional>

#include "core/shadow/menu_shadow_geometry.h"

namespace {

using namespace kelvra;

constexpr uint32_t kWhidbey = 5, kOffice2003 = 0x1000000, kOffice2007 = 0x2000000;

std::optional<ShadowPiece> P(int32_t x, int32_t y, int32_t w, int32_t h, uint32_t flags) {
  return ShadowPiece{{x, y, w, h}, flags};
}

TEST(MenuShadowGeometry, StripsByPlacement) {
  const ShadowBox home{100, 100, 160, 166};
  const ShadowBox pushed{863, 100, 160, 166};  // a popup that DisplayPopupMenuEx moved back from 863 to 859
  const auto homeRight = P(260, 105, 5, 161, 0x1001);
  const struct {
    const char* name;
    ShadowBox popup;
    MenuShadowPlacement placement;
    MenuShadowPieces pieces;
  } cases[] = {
      {"not from a bar", home, {0, false, 0, 0, 0}, {homeRight, P(105, 266, 159, 5, 0), std::nullopt}},
      {"not from a bar, Whidbey", home, {kWhidbey, false, 40, 5, 0}, {homeRight, P(105, 266, 159, 5, 0), std::nullopt}},
      {"bar, Whidbey, nudge 0", home, {kWhidbey, true, 40, 0, 100}, {homeRight, P(136, 266, 128, 5, 2), std::nullopt}},
      {"bar, Whidbey, nudge 2", home, {kWhidbey, true, 40, 2, 100}, {homeRight, P(136, 266, 128, 5, 2), std::nullopt}},
      {"bar, Whidbey, nudge 5, clipped", pushed, {kWhidbey, true, 40, 5, 859},
       {P(1023, 105, 5, 161, 0x1001), P(902, 266, 119, 5, 2), std::nullopt}},
      {"bar, Office 2003, nudge 0", home, {kOffice2003, true, 40, 0, 100},
       {homeRight, P(140, 266, 124, 5, 2), std::nullopt}},
      {"bar, Office 2003, nudge 2", home, {kOffice2003, true, 40, 2, 100},
       {homeRight, P(140, 266, 124, 5, 2), std::nullopt}},
      {"bar, Office 2007, nudge 5, clipped", pushed, {kOffice2007, true, 40, 5, 859},
       {P(1023, 105, 5, 161, 0x1001), P(904, 266, 119, 5, 2), std::nullopt}},
      {"bar, left of the tracking's left edge: third strip", {95, 100, 160, 166}, {6, true, 40, 0, 130},
       {P(255, 105, 5, 161, 0x1001), P(135, 266, 124, 5, 2), P(100, 266, 30, 5, 1)}},
      {"bar, just left of it: no room for a third strip", {95, 100, 160, 166}, {6, true, 40, 0, 100},
       {P(255, 105, 5, 161, 0x1001), P(135, 266, 124, 5, 2), std::nullopt}},
  };
  for (const auto& c : cases) {
    const MenuShadowPieces pieces = LayOutMenuShadows(c.popup, c.placement, 1024);
    for (int i = 0; i < kMenuShadowPieces; ++i) {
      const auto& want = c.pieces[static_cast<size_t>(i)];
      const auto& got = pieces[static_cast<size_t>(i)];
      ASSERT_EQ(want.has_value(), got.has_value()) << c.name << ", piece " << i;
      if (!want) continue;
      EXPECT_EQ(want->box, got->box) << c.name << ", piece " << i << ": " << got->box.x << "," << got->box.y << ","
                                     << got->box.width << "," << got->box.height;
      EXPECT_EQ(want->flags, got->flags) << c.name << ", piece " << i;
    }
  }
}

// A popup too small for a strip gets none, whatever the numbers.
TEST(MenuShadowGeometry, TinyOrHostilePopupsGiveNoBadStrips) {
  const MenuShadowPieces tiny = LayOutMenuShadows({10, 10, 1, 5}, {}, 1024);
  EXPECT_FALSE(tiny[kRightShadow]);
  EXPECT_FALSE(tiny[kBottomShadow]);
  const MenuShadowPieces wide = LayOutMenuShadows({INT32_MAX - 10, 0, 100, 100}, {kWhidbey, true, INT32_MIN, 7, 0}, 0);
  for (const auto& piece : wide)
    if (piece) {
      EXPECT_GE(piece->box.width, 1);
      EXPECT_GE(piece->box.height, 1);
    }
}

TEST(MenuShadowGeometry, SubmenuCoversTheParentStripItOverlapsMost) {
  const MenuShadowPieces parent{P(260, 105, 5, 161, 0x1001), P(105, 266, 159, 5, 0), std::nullopt};
  const struct {
    const char* name;
    ShadowBox submenu;
    ParentShadowCover cover;
  } cases[] = {
      {"over the right strip's middle", {257, 150, 120, 80}, {kRightShadow, {0, 45, 5, 80}, true}},
      {"over all of the right strip", {250, 100, 100, 200}, {kRightShadow, {0, 0, 5, 161}, false}},
      {"opening to the left", {0, 150, 100, 80}, {-1, {}, false}},
      {"over the corner, more of the right strip", {257, 240, 120, 80}, {kRightShadow, {0, 135, 5, 26}, true}},
      {"below the parent, over the bottom strip", {150, 268, 120, 80}, {kBottomShadow, {45, 2, 114, 3}, true}},
  };
  for (const auto& c : cases) EXPECT_EQ(c.cover, CoverParentShadow(c.submenu, parent)) << c.name;
}

TEST(MenuShadowGeometry, ColourFromTheStoredValue) {
  // 57:6A8CCB, the Office 2003 blue entry: opacity 0x57, the colour as a Win32 colour.
  EXPECT_EQ((ShadowColour{0xCB8C6A, 0x57}), ShadowColourFromStored(0x576A8CCB));
  EXPECT_EQ((ShadowColour{0, 0x32}), ShadowColourFromStored(0x32000000));
  // An RGB value has no opacity: no shadow.
  EXPECT_EQ(0, ShadowColourFromStored(0x00FF0000).opacity);
  EXPECT_EQ((ShadowColour{0, 40}), kPlainMenuShadowColour);
}

}  // namespace
