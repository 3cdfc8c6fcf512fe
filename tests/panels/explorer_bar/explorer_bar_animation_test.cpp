// Explorer bars and the animation thread, without the pointer (a header's click
// is its release message): the vertical bar comes and goes with the groups in
// the same call, and a bar freed while its groups move leaves the thread idle
// and nothing behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/library/library_globals.h"
#include "tests/panels/explorer_bar/explorer_bar_test_support.h"

namespace {

using namespace kelvra;
using namespace kelvra::test;

class ExplorerBarAnimation : public testing::Test {
 protected:
  void SetUp() override {
    EnsureStarted();
    host_ = Host();
  }
  void TearDown() override { FreeExplorerBar(-1); }

  // What a click on the header does, through the header button itself.
  void ClickHeader(int bar, size_t group) {
    SendMessageW(Group(bar, group)->headerPage, WM_LBUTTONUP, 0, 0);
    PumpMessages();  // the click is posted to the bar's page
  }
  bool Idle(int bar) {
    for (const ExplorerBarGroupRecord* group : Groups(bar)) {
      const int height = HeightOf(group->body);
      const int alpha = PageAlpha(group->body);
      if (group->collapsed ? (height != 0 || alpha != 0) : (height == 0 || alpha != 255)) return false;
    }
    return true;
  }

  static std::string State(int bar) {
    std::string s;
    for (const ExplorerBarGroupRecord* group : Groups(bar))
      s += "[" + std::to_string(group->collapsed) + " " + Box(group->body) + " alpha " +
           std::to_string(PageAlpha(group->body)) + "]";
    return s;
  }

  HWND host_ = nullptr;
};

// The bar follows its content at once: whenever the groups reach the panel's
// foot the vertical bar shows and the groups narrow by its width, and shutting
// them hides it again. Never a horizontal bar.
TEST_F(ExplorerBarAnimation, TheVerticalBarFollowsTheGroupsInTheSameCall) {
  const int bar = CreateExplorerBar(host_, -1, 0, 0, 220, 200, nullptr);
  ASSERT_NE(bar, 0);
  const int thumb = GetSystemMetrics(SM_CXHTHUMB);
  auto check = [&](const char* step) {
    SCOPED_TRACE(step);
    int bottom = 0;
    for (const ExplorerBarGroupRecord* group : Groups(bar)) bottom = std::max<int>(bottom, InParent(group->body).bottom);
    const bool needed = bottom >= 200;
    EXPECT_EQ(VerticalBarOn(bar), needed ? 1 : 0) << "content to " << bottom;
    EXPECT_EQ(HorizontalBarOn(bar), 0);
    for (const ExplorerBarGroupRecord* group : Groups(bar))
      EXPECT_EQ(InParent(group->Header()).right - InParent(group->Header()).left, 220 - 24 - (needed ? thumb : 0));
  };
  bool shown = false;
  for (int g = 0; g < 3; ++g) {
    ASSERT_NE(AddExplorerBarGroup(L"group"), 0);
    check("group added");
    for (int i = 0; i < 2; ++i) {
      ASSERT_NE(ExplorerBarItem(-1, L"item"), 0);
      check("item added");
      shown |= VerticalBarOn(bar) == 1;
    }
  }
  ASSERT_TRUE(shown);
  for (size_t g = 0; g < 3; ++g) ClickHeader(bar, g);
  ASSERT_TRUE(PumpUntil([&] { return Idle(bar); }, kAnimationBound)) << State(bar);
  PumpMessagesFor(50);
  check("every group shut");
  EXPECT_EQ(VerticalBarOn(bar), 0);
}

// Freed mid-animation: no fault, the thread drops the bodies and sleeps, every
// window of the bar is gone and nothing can be added to it.
TEST_F(ExplorerBarAnimation, FreedMidAnimation) {
  const int bar = CreateExplorerBar(host_, -1, 0, 0, 220, 380, nullptr);
  std::vector<HWND> windows{ExplorerBarID(bar)};
  for (int g = 0; g < 3; ++g) {
    ASSERT_NE(AddExplorerBarGroup(L"group"), 0);
    windows.push_back(reinterpret_cast<HWND>(ExplorerBarItem(g + 1, L"item")));
    windows.push_back(Header(bar, g));
    windows.push_back(Body(bar, g));
  }
  const int fullHeight = HeightOf(Body(bar, 0));
  for (size_t g = 0; g < 3; ++g) ClickHeader(bar, g);
  ASSERT_TRUE(PumpUntil([&] { return HeightOf(Body(bar, 2)) < fullHeight - 4; }, kAnimationBound));
  ASSERT_EQ(FreeExplorerBar(bar), 1);
  PumpMessagesFor(200);
  for (HWND window : windows) EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(AddExplorerBarGroup(L"after"), 0);
  EXPECT_EQ(ExplorerBarItem(-1, L"after"), 0);

  HANDLE thread = Globals().animationThread;
  ASSERT_TRUE(thread);
  PumpMessagesFor(100);
  FILETIME created, exited, kernel1, user1, kernel2, user2;
  ASSERT_TRUE(GetThreadTimes(thread, &created, &exited, &kernel1, &user1));
  PumpMessagesFor(300);
  ASSERT_TRUE(GetThreadTimes(thread, &created, &exited, &kernel2, &user2));
  EXPECT_EQ(0, CompareFileTime(&kernel1, &kernel2)) << "the thread sleeps";
  EXPECT_EQ(0, CompareFileTime(&user1, &user2));

  // And it still animates the next bar.
  const int next = CreateExplorerBar(host_, -1, 0, 0, 220, 380, nullptr);
  ASSERT_NE(AddExplorerBarGroup(L"next"), 0);
  ASSERT_NE(ExplorerBarItem(1, L"item"), 0);
  ClickHeader(next, 0);
  EXPECT_TRUE(PumpUntil([&] { return HeightOf(Body(next, 0)) == 0 && PageAlpha(Body(next, 0)) == 0; },
                        kAnimationBound));
}

}  // namespace
