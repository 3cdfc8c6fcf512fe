// Explorer bars under the real pointer on a shown, raised host: header clicks
// shut and open groups through the animation thread (the groups below follow),
// quick second clicks turn a group back, and item clicks reach the bar's parent
// with the item's id. Moves the real pointer (run alone: variants.cmake).
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "tests/panels/explorer_bar/explorer_bar_test_support.h"

namespace {

using namespace kelvra;
using namespace kelvra::test;

class ExplorerBarInput : public BarsOnScreen {
 protected:
  void SetUp() override {
    BarsOnScreen::SetUp();
    ParentRecorder() = Recorder{};
    ParentRecorder().watched = {WM_COMMAND};
    // The built-in "sysxbarskin": group margins 10 and 12, items 22 high and 2
    // apart, headers 25 high, groups 15 apart.
    bar_ = CreateExplorerBar(host_, -1, 10, 10, 220, 380, nullptr);
    ASSERT_NE(bar_, 0);
    for (int g = 0; g < 3; ++g) {
      headers_.push_back(AddExplorerBarGroup(L"Group"));
      ASSERT_NE(headers_.back(), 0);
      ASSERT_NE(ExplorerBarItem(-1, L"First"), 0);
      ASSERT_NE(ExplorerBarItem(-1, L"Second"), 0);
    }
    PumpMessages();
  }
  void TearDown() override {
    BarsOnScreen::TearDown();
    ParentRecorder() = Recorder{};
  }

  void ClickHeader(size_t group) {
    ASSERT_TRUE(MovePointerTo(CentreOf(Header(bar_, group))));
    ClickLeftButton();
  }
  // Pumps until group `group`'s body is `height` high with its page at `alpha`.
  bool WaitForBody(size_t group, int height, int alpha) {
    return PumpUntil([&] { return HeightOf(Body(bar_, group)) == height && PageAlpha(Body(bar_, group)) == alpha; },
                     kAnimationBound);
  }
  int Top(HWND window) const { return InParent(window).top; }

  static constexpr int kFullHeight = 10 + 10 + 2 * (22 + 2) - 2;  // two items
  int bar_ = 0;
  std::vector<int> headers_;
};

TEST_F(ExplorerBarInput, AHeaderShutsItsGroupAndTheNextClickReopensIt) {
  ASSERT_EQ(HeightOf(Body(bar_, 0)), kFullHeight);
  const int belowTop = Top(Header(bar_, 1)), lastTop = Top(Body(bar_, 2));

  ClickHeader(0);
  ASSERT_TRUE(WaitForBody(0, 0, 0)) << HeightOf(Body(bar_, 0)) << " high, alpha " << PageAlpha(Body(bar_, 0));
  EXPECT_EQ(Collapsed(bar_, 0), 1);
  EXPECT_EQ(GetButtonExState(headers_[0]), 1) << "the header shows a shut group as selected";
  EXPECT_TRUE(PumpUntil([&] { return Top(Header(bar_, 1)) == belowTop - kFullHeight; }, 2000));
  EXPECT_EQ(Top(Body(bar_, 2)), lastTop - kFullHeight);
  // The items slid up under the header with the body's foot.
  for (const ExplorerBarItemRecord& item : Group(bar_, 0)->items) EXPECT_LT(InParent(static_cast<HWND>(item.window)).bottom, 1);

  ClickHeader(0);
  ASSERT_TRUE(WaitForBody(0, kFullHeight, 255)) << HeightOf(Body(bar_, 0)) << " high, alpha " << PageAlpha(Body(bar_, 0));
  EXPECT_EQ(Collapsed(bar_, 0), 0);
  EXPECT_EQ(GetButtonExState(headers_[0]), 0);
  EXPECT_TRUE(PumpUntil([&] { return Top(Header(bar_, 1)) == belowTop; }, 2000));
  EXPECT_EQ(Top(Body(bar_, 2)), lastTop);
  EXPECT_TRUE(ParentRecorder().Of(WM_COMMAND).empty()) << "header clicks stay in the bar";
}

// A second click while the group moves (or before it has moved at all) turns it
// back from where it is; both clicks count, however quick.
TEST_F(ExplorerBarInput, QuickSecondClicksTurnTheGroupBack) {
  struct Case {
    const char* name;
    bool waitForMovement;
  } cases[] = {{"while it moves", true}, {"at once", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    int lowest = HeightOf(Body(bar_, 1));
    ClickHeader(1);
    if (c.waitForMovement) {
      ASSERT_TRUE(PumpUntil([&] { return HeightOf(Body(bar_, 1)) < kFullHeight - 4; }, kAnimationBound));
    }
    ClickLeftButton();
    EXPECT_TRUE(PumpUntil(
        [&] {
          lowest = std::min(lowest, HeightOf(Body(bar_, 1)));
          return HeightOf(Body(bar_, 1)) == kFullHeight && PageAlpha(Body(bar_, 1)) == 255;
        },
        kAnimationBound))
        << HeightOf(Body(bar_, 1)) << " high, alpha " << PageAlpha(Body(bar_, 1));
    PumpMessagesFor(100);  // no frame of an earlier request may follow
    EXPECT_EQ(HeightOf(Body(bar_, 1)), kFullHeight);
    EXPECT_EQ(PageAlpha(Body(bar_, 1)), 255);
    EXPECT_GT(lowest, 0) << "it turned back before it was shut";
    EXPECT_EQ(Collapsed(bar_, 1), 0);
    EXPECT_EQ(GetButtonExState(headers_[1]), 0);
    MovePointerAway();
    PumpMessagesFor(300);  // past the double-click time
  }
}

TEST_F(ExplorerBarInput, AnItemClickPostsItsIdToTheBarsParent) {
  const HWND given = reinterpret_cast<HWND>(ExplorerBarItem(42, L"Given"));
  const int automatic = ExplorerBarItem(-1, L"Automatic");
  ASSERT_TRUE(IsWindow(given));
  ASSERT_NE(automatic, 0);
  EXPECT_GT(static_cast<uint32_t>(automatic), 0xFFFFu) << "automatic ids are full 32-bit numbers";
  const HWND automaticWindow = static_cast<HWND>(Group(bar_, 2)->items.FindByNumber(automatic)->window);
  struct Case {
    HWND item;
    int id;
  } cases[] = {{given, 42}, {automaticWindow, automatic}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.id);
    ParentRecorder().seen.clear();
    ASSERT_TRUE(MovePointerTo(CentreOf(c.item)));
    ClickLeftButton();
    ASSERT_TRUE(PumpUntil([] { return !ParentRecorder().Of(WM_COMMAND).empty(); }, 2000));
    PumpMessagesFor(50);
    const auto commands = ParentRecorder().Of(WM_COMMAND);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].wParam, static_cast<WPARAM>(static_cast<uint32_t>(c.id)));
    EXPECT_EQ(commands[0].lParam, 0);
    MovePointerAway();
  }
}

// An item added to a shut group gives the body its full height at once, and the
// next header click, whose target is where the body already is, shows it.
TEST_F(ExplorerBarInput, AnItemAddedToAShutGroupShowsOnTheNextClick) {
  ClickHeader(2);
  ASSERT_TRUE(WaitForBody(2, 0, 0));
  const HWND added = reinterpret_cast<HWND>(ExplorerBarItem(7, L"Added"));
  ASSERT_TRUE(IsWindow(added));
  const int full = kFullHeight + 22 + 2;
  EXPECT_EQ(HeightOf(Body(bar_, 2)), full);
  EXPECT_EQ(Collapsed(bar_, 2), 1) << "the flag is kept";
  EXPECT_EQ(PageAlpha(Body(bar_, 2)), 255);

  ClickHeader(2);
  ASSERT_TRUE(WaitForBody(2, full, 255));
  PumpMessagesFor(100);
  EXPECT_EQ(HeightOf(Body(bar_, 2)), full);
  EXPECT_EQ(PageAlpha(Body(bar_, 2)), 255);
  EXPECT_EQ(Collapsed(bar_, 2), 0);
  RECT body{}, item{};
  GetWindowRect(Body(bar_, 2), &body);
  GetWindowRect(added, &item);
  EXPECT_TRUE(item.top >= body.top && item.bottom <= body.bottom) << "the items are inside the open body";

  // Shut again: the flag and the header agree.
  ClickHeader(2);
  ASSERT_TRUE(WaitForBody(2, 0, 0));
  EXPECT_EQ(Collapsed(bar_, 2), 1);
  EXPECT_EQ(GetButtonExState(headers_[2]), 1);
}

}  // namespace
