// The shadow of a popup menu window as the popup procedure asks for it, with
// plain popup windows standing in for the system's menu windows: the strips at
// their places and in the style's colour, once per popup and only with the
// system's setting on, a submenu's change to its parent's shadow undone as it
// closes, and all of it gone with the popup.
#include <gtest/gtest.h>
#include <windows.h>

#include "core/library/library_globals.h"
#include "core/shadow/drop_shadow.h"
#include "core/shadow/menu_shadow.h"
#include "core/shadow/menu_shadow_registry.h"
#include "kelvra.h"
#include "tests/support/win_test_helpers.h"

namespace kelvra {
namespace {

using test::BitmapPixels;

RECT RectOf(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

BitmapPixels PictureOf(HWND window) {
  const auto* record = reinterpret_cast<DropShadowWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  return record ? test::ReadBitmapPixels(record->bitmap) : BitmapPixels{};
}

class MenuShadow : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = Globals().dropShadowSetting;
    Globals().dropShadowSetting = TRUE;  // the setting as Kelvra_Init read it; the system's is left alone
  }
  void TearDown() override {
    RemoveMenuShadows(popup_.get());
    Globals().dropShadowSetting = saved_;
  }
  test::TestWindow popup_{test::PlainWindowClass(), WS_POPUP | WS_VISIBLE, 100, 100, 160, 166};
  BOOL saved_ = FALSE;
};

TEST_F(MenuShadow, PlainPopupGetsRightAndBottomStripsOnce) {
  MenuPopupShadows record;
  EXPECT_EQ(0, DropShadowMenuWindow(popup_, MenuShadowPlacement{}, nullptr, record));
  MenuShadowSet* set = FindMenuShadowSet(popup_);
  ASSERT_TRUE(set);
  ASSERT_TRUE(set->rightShadow);
  ASSERT_TRUE(set->bottomShadow);
  EXPECT_FALSE(set->thirdShadow);
  EXPECT_EQ((RECT{260, 105, 265, 266}), RectOf(set->rightShadow));
  EXPECT_EQ((RECT{105, 266, 264, 271}), RectOf(set->bottomShadow));
  EXPECT_TRUE(IsWindowVisible(set->rightShadow));
  EXPECT_EQ(set->bottomShadow, record.bottomShadowWindow);
  EXPECT_EQ(0, record.bottomShadowFlags);
  EXPECT_EQ(105, record.bottomShadowX);
  EXPECT_EQ(266, record.bottomShadowY);
  EXPECT_EQ(159, record.bottomShadowLength);
  // A classic popup's shadow: black at 40.
  const BitmapPixels right = PictureOf(set->rightShadow);
  EXPECT_EQ(32u, right.Alpha(0, 80));
  EXPECT_EQ(0u, right.At(0, 80) & 0xFFFFFF);

  const HWND rightShadow = set->rightShadow, bottomShadow = set->bottomShadow;
  MenuPopupShadows again;
  DropShadowMenuWindow(popup_, MenuShadowPlacement{}, nullptr, again);
  EXPECT_EQ(nullptr, again.bottomShadowWindow) << "a second call made a second shadow";
  EXPECT_EQ(rightShadow, FindMenuShadowSet(popup_)->rightShadow);

  RemoveMenuShadows(popup_);
  EXPECT_FALSE(FindMenuShadowSet(popup_));
  EXPECT_FALSE(IsWindow(rightShadow));
  EXPECT_FALSE(IsWindow(bottomShadow));
}

TEST_F(MenuShadow, NothingWhileTheSystemSettingIsOff) {
  Globals().dropShadowSetting = FALSE;
  MenuPopupShadows record;
  DropShadowMenuWindow(popup_, MenuShadowPlacement{}, nullptr, record);
  EXPECT_FALSE(FindMenuShadowSet(popup_));
  EXPECT_EQ(nullptr, record.bottomShadowWindow);
}

// A drop-down from a bar title near the right edge of the 1024-pixel screen: the
// bottom strip starts past the title and stops at the work area.
TEST_F(MenuShadow, BarTitleDropDownIsClippedToTheWorkArea) {
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  ASSERT_EQ(1024, work.right) << "the table below assumes the test screen";
  SetWindowPos(popup_, nullptr, 863, 100, 160, 166, SWP_NOZORDER | SWP_NOACTIVATE);
  MenuPopupShadows record;
  DropShadowMenuWindow(popup_, MenuShadowPlacement{UISTYLE_WHIDBEY, true, 40, 5, 859}, nullptr, record);
  ASSERT_TRUE(record.bottomShadowWindow);
  EXPECT_EQ((RECT{902, 266, 1021, 271}), RectOf(record.bottomShadowWindow));
  EXPECT_EQ(2, record.bottomShadowFlags);
  EXPECT_EQ(119, record.bottomShadowLength);
  // Shows its end: faded at the right, cut off at the left.
  const BitmapPixels bottom = PictureOf(record.bottomShadowWindow);
  EXPECT_GT(bottom.Alpha(0, 0), bottom.Alpha(118, 0));
}

// A submenu over its parent's right strip hides it and makes it again with the
// submenu's part clear; closing the submenu undoes both.
TEST_F(MenuShadow, SubmenuOverTheParentStripIsUndoneAsItCloses) {
  MenuPopupShadows parentRecord;
  DropShadowMenuWindow(popup_, MenuShadowPlacement{}, nullptr, parentRecord);
  const HWND parentRight = FindMenuShadowSet(popup_)->rightShadow;
  ASSERT_TRUE(parentRight);

  test::TestWindow submenu(test::PlainWindowClass(), WS_POPUP | WS_VISIBLE, 257, 150, 120, 80);
  MenuPopupShadows record;
  DropShadowMenuWindow(submenu, MenuShadowPlacement{}, popup_, record);
  EXPECT_EQ(parentRight, record.hiddenWindow);
  EXPECT_FALSE(IsWindowVisible(parentRight));
  ASSERT_TRUE(record.shadowWindow);
  EXPECT_EQ(RectOf(parentRight), RectOf(record.shadowWindow));
  const BitmapPixels remade = PictureOf(record.shadowWindow);
  ASSERT_EQ(161, remade.height);
  EXPECT_EQ(32u, remade.Alpha(0, 20)) << "above the submenu the strip shows";
  for (int row : {45, 80, 124}) EXPECT_EQ(0u, remade.At(0, row)) << "row " << row << " lies under the submenu";
  EXPECT_EQ(32u, remade.Alpha(0, 125)) << "below it again";
  // The submenu casts its own shadow too.
  MenuShadowSet* own = FindMenuShadowSet(submenu);
  ASSERT_TRUE(own && own->rightShadow && own->bottomShadow);
  EXPECT_EQ((RECT{377, 155, 382, 230}), RectOf(own->rightShadow));

  const HWND remadeWindow = record.shadowWindow;
  UndoSubmenuShadow(submenu);
  EXPECT_FALSE(IsWindow(remadeWindow));
  EXPECT_TRUE(IsWindowVisible(parentRight));
  UndoSubmenuShadow(submenu);  // twice: nothing more
  EXPECT_TRUE(IsWindowVisible(parentRight));

  // Closing without the undo (the creation hook's removal alone) does it as well.
  test::TestWindow second(test::PlainWindowClass(), WS_POPUP | WS_VISIBLE, 257, 150, 120, 80);
  MenuPopupShadows secondRecord;
  RemoveMenuShadows(submenu);
  DropShadowMenuWindow(second, MenuShadowPlacement{}, popup_, secondRecord);
  ASSERT_TRUE(secondRecord.shadowWindow);
  EXPECT_FALSE(IsWindowVisible(parentRight));
  RemoveMenuShadows(second);
  EXPECT_FALSE(IsWindow(secondRecord.shadowWindow));
  EXPECT_TRUE(IsWindowVisible(parentRight));
}

TEST_F(MenuShadow, ColourByStyle) {
  ASSERT_EQ(1, SetUIColourMode(UICOLOURMODE_DEFAULT_BLUE));
  const ShadowColour office = MenuShadowColour(UISTYLE_OFFICE2003);
  EXPECT_EQ(0x57, office.opacity);
  EXPECT_EQ(static_cast<uint32_t>(RGB(0x6A, 0x8C, 0xCB)), office.colour);
  EXPECT_EQ(office, MenuShadowColour(6)) << "the record form of Office 2003";
  const HWND strip = CreateDropShadow(300, 100, 5, 100, office.colour, office.opacity, 0x1000);
  ASSERT_TRUE(strip);
  const uint32_t pixel = PictureOf(strip).At(0, 50);
  EXPECT_EQ(0x57u * 4 / 5, pixel >> 24);
  EXPECT_GT(pixel & 0xFF, (pixel >> 8) & 0xFF) << "blue is the largest channel";
  EXPECT_GT(pixel & 0xFF, (pixel >> 16) & 0xFF) << "blue is the largest channel";
  DestroyWindow(strip);
  ASSERT_EQ(1, SetUIColourMode(UICOLOURMODE_DEFAULT));

  EXPECT_EQ((ShadowColour{0, 0x32}), MenuShadowColour(UISTYLE_WHIDBEY));
  for (uint32_t classic : {0u, 1u, 4u}) EXPECT_EQ((ShadowColour{0, 40}), MenuShadowColour(classic));
}

// The shadow entry's alpha is its opacity; SetUIColour stores colours opaque, so
// a shadow colour an application sets is drawn at full opacity. Last in this
// program: it leaves the custom colour changed.
TEST_F(MenuShadow, ShadowColourSetByTheApplicationIsOpaque) {
  ASSERT_EQ(1, SetUIColour(UISTYLE_OFFICE2003, 20, RGB(0x10, 0x20, 0x30), UICOLOURMODE_CUSTOM_BLUE, 1));
  ASSERT_EQ(1, SetUIColourMode(UICOLOURMODE_CUSTOM_BLUE));
  EXPECT_EQ((ShadowColour{RGB(0x10, 0x20, 0x30), 255}), MenuShadowColour(UISTYLE_OFFICE2003));
  ASSERT_EQ(1, SetUIColourMode(UICOLOURMODE_DEFAULT));
}

}  // namespace
}  // namespace kelvra
