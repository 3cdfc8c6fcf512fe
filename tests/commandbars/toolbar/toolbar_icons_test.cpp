// What the buttons show: each its own icon after inserts and removals anywhere,
// the hot image under the pointer, the tinted disabled image and its re-tint for
// another UI style, and images changed or left alone.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "skin/elements/ui_element_painter.h"
#include "tests/commandbars/toolbar/toolbar_test_support.h"

namespace {

using namespace kelvra;
using namespace kelvra::test;

class ToolbarIcons : public testing::Test {
 protected:
  void SetUp() override {
    EnsureToolbarTestsStarted();
    MovePointerAway();
  }
  void TearDown() override { FreeToolBarEx(-1); }

  // A toolbar of red, green and blue buttons.
  int ThreeColours() {
    const int toolbar = CreateToolBarEx(-1, host_, 16, 16, 0);
    for (uint32_t colour : {kRed, kGreen, kBlue}) ToolBarImageButtonEx(-1, nullptr, icons_.Make(16, colour), 0, 0, 0);
    return toolbar;
  }
  std::vector<uint32_t> Shown(int toolbar) {
    const HWND window = ToolBarExID(toolbar);
    std::vector<uint32_t> shown;
    for (int i = 0; i < ButtonCount(window); ++i) shown.push_back(ShownColour(window, i, {kRed, kGreen, kBlue, kYellow}));
    return shown;
  }

  ToolbarHost host_;
  Icons icons_;
};

TEST_F(ToolbarIcons, InsertsShowEveryButtonsOwnIcon) {
  const struct {
    int position;
    std::vector<uint32_t> expected;
  } cases[] = {
      {0, {kYellow, kRed, kGreen, kBlue}},
      {1, {kRed, kYellow, kGreen, kBlue}},
      {3, {kRed, kGreen, kBlue, kYellow}},
      {99, {kRed, kGreen, kBlue, kYellow}},
      {-5, {kYellow, kRed, kGreen, kBlue}},
      {-1, {kRed, kGreen, kBlue, kYellow}},
  };
  for (const auto& c : cases) {
    const int toolbar = ThreeColours();
    const int id = InsertToolBarImageButtonEx(toolbar, c.position, -1, nullptr, icons_.Make(16, kYellow), 0, 0, 0);
    ASSERT_NE(id, 0) << c.position;
    ExpectListsInStep(toolbar);
    EXPECT_EQ(Shown(toolbar), c.expected) << "inserted at " << c.position;
    FreeToolBarEx(toolbar);
  }
}

TEST_F(ToolbarIcons, RemovalsShowEveryButtonsOwnIcon) {
  const int toolbar = ThreeColours();
  InsertToolBarSeparatorEx(toolbar, 1);  // red, separator, green, blue
  const HWND window = ToolBarExID(toolbar);
  TBBUTTON green{};
  SendMessageW(window, TB_GETBUTTON, 2, reinterpret_cast<LPARAM>(&green));
  EXPECT_EQ(RemoveToolBarExButton(toolbar, 2, 1), 1) << "by index: the third button";
  ExpectListsInStep(toolbar);
  EXPECT_EQ(SendMessageW(window, TB_COMMANDTOINDEX, green.idCommand, 0), -1);
  EXPECT_EQ(Shown(toolbar), (std::vector<uint32_t>{kRed, 0, kBlue}));
  TBBUTTON red{};
  SendMessageW(window, TB_GETBUTTON, 0, reinterpret_cast<LPARAM>(&red));
  EXPECT_EQ(RemoveToolBarExButton(toolbar, red.idCommand, 0), 1) << "by id";
  ExpectListsInStep(toolbar);
  EXPECT_EQ(Shown(toolbar), (std::vector<uint32_t>{0, kBlue}));
  EXPECT_EQ(RemoveToolBarExButton(toolbar, 2, 1), 0) << "past the last index";
  EXPECT_EQ(RemoveToolBarExButton(toolbar, -1, 1), 0);
  EXPECT_EQ(RemoveToolBarExButton(toolbar, 4321, 0), 0) << "an unknown id";
}

// Until the library paints toolbars itself the control draws them: the hot list
// under the pointer, the disabled list for a disabled button.
TEST_F(ToolbarIcons, HotAndDisabledImagesFromANormalIconAlone) {
  const int toolbar = CreateToolBarEx(-1, host_, 16, 16, 0);
  const HICON red = icons_.Make(16, kRed);
  const int id = ToolBarImageButtonEx(-1, nullptr, red, 0, 0, 0);
  const HWND window = ToolBarExID(toolbar);
  RECT item{};
  SendMessageW(window, TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
  ASSERT_TRUE(MovePointerTo(window, POINT{(item.left + item.right) / 2, (item.top + item.bottom) / 2}));
  ASSERT_TRUE(PumpUntil([&] { return SendMessageW(window, TB_GETHOTITEM, 0, 0) == 0; }, 3000));
  EXPECT_GT(PixelsOfColour(window, 0, kRed), 100) << "the hot image is the normal icon";
  MovePointerAway();

  const ToolBarExButtonRecord* button = FindToolBarExButton(*FindToolBarEx(toolbar), id);
  EXPECT_EQ(button->disabledDerived, 1);
  DisableToolbarExButton(toolbar, id, 1);
  EXPECT_LT(PixelsOfColour(window, 0, kRed), 10) << "the disabled image is a tint";
  // What the tint gives for each style, drawn where the control would.
  auto tintCentre = [&](uint32_t style) {
    HICON tinted = TintImageForUIStyle(red, style);
    Dib32 canvas(16, 16, 0xFF000000);
    DrawIconEx(canvas.dc(), 0, 0, tinted, 16, 16, 0, nullptr, DI_NORMAL);
    DestroyIcon(tinted);
    return canvas.Pixel(8, 8) & 0xFFFFFF;
  };
  auto listCentre = [&] {
    Dib32 canvas(16, 16, 0xFF000000);
    ImageList_Draw(FindToolBarEx(toolbar)->disabledList, 0, canvas.dc(), 0, 0, ILD_NORMAL);
    return canvas.Pixel(8, 8) & 0xFFFFFF;
  };
  // Drawn through the list or straight from the icon, a channel may round apart by one.
  auto close = [](uint32_t a, uint32_t b) {
    for (int shift : {0, 8, 16})
      if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > 2) return false;
    return true;
  };
  EXPECT_PRED2(close, listCentre(), tintCentre(0));
  ASSERT_FALSE(close(tintCentre(0), tintCentre(UISTYLE_OFFICE2003)));
  EXPECT_EQ(SetToolBarExStyle(toolbar, UISTYLE_OFFICE2003), 1);
  EXPECT_PRED2(close, listCentre(), tintCentre(UISTYLE_OFFICE2003)) << "re-tinted for the new style";
  EXPECT_EQ(static_cast<uint32_t>(button->tintStyle), static_cast<uint32_t>(UISTYLE_OFFICE2003));
}

TEST_F(ToolbarIcons, ChangedImagesAndImagesLeftAlone) {
  const int toolbar = ThreeColours();
  const HWND window = ToolBarExID(toolbar);
  TBBUTTON second{};
  SendMessageW(window, TB_GETBUTTON, 1, reinterpret_cast<LPARAM>(&second));
  const HANDLE leave = reinterpret_cast<HANDLE>(-1);
  EXPECT_EQ(ChangeToolbarExButton(toolbar, second.idCommand, L"", icons_.Make(16, kYellow), leave, leave), 1);
  EXPECT_EQ(Shown(toolbar), (std::vector<uint32_t>{kRed, kYellow, kBlue}));
  EXPECT_EQ(ChangeToolbarExButton(toolbar, second.idCommand, L"", leave, leave, leave), 1);
  EXPECT_EQ(Shown(toolbar), (std::vector<uint32_t>{kRed, kYellow, kBlue})) << "-1 leaves the image";
  ExpectListsInStep(toolbar);
}

}  // namespace
