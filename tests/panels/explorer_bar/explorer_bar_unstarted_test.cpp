// Explorer bars in a program that never calls StartKelvra: no animation thread
// takes the requests, so a header click flips the group and its header and the
// body goes to its new height at once; no request block is left on the heap.
#include <gtest/gtest.h>

#include "core/library/library_globals.h"
#include "tests/panels/explorer_bar/explorer_bar_test_support.h"

namespace {

using namespace kelvra;
using namespace kelvra::test;

TEST(ExplorerBarUnstarted, AHeaderClickTakesTheBodyToItsTargetAtOnce) {
  ASSERT_EQ(Globals().animationMailbox, nullptr);
  TestWindow host(PlainWindowClass(), WS_POPUP | WS_VISIBLE, 0, 0, 300, 400);
  const int bar = CreateExplorerBar(host, -1, 0, 0, 220, 380, nullptr);
  ASSERT_NE(bar, 0);
  const int header = AddExplorerBarGroup(L"group");
  ASSERT_NE(ExplorerBarItem(1, L"one"), 0);
  ASSERT_NE(AddExplorerBarGroup(L"below"), 0);
  const int full = HeightOf(Body(bar, 0));
  const int belowTop = InParent(Header(bar, 1)).top;
  const HWND headerPage = Group(bar, 0)->headerPage;
  auto click = [&] {
    SendMessageW(headerPage, WM_LBUTTONUP, 0, 0);  // the header's own click
    PumpMessages();                                // which it posts to the bar
  };

  click();
  EXPECT_EQ(Collapsed(bar, 0), 1);
  EXPECT_EQ(GetButtonExState(header), 1);
  EXPECT_EQ(HeightOf(Body(bar, 0)), 0);
  EXPECT_EQ(PageAlpha(Body(bar, 0)), 0);
  EXPECT_EQ(InParent(Header(bar, 1)).top, belowTop - full) << "the bar is laid out at once";
  click();
  EXPECT_EQ(Collapsed(bar, 0), 0);
  EXPECT_EQ(GetButtonExState(header), 0);
  EXPECT_EQ(HeightOf(Body(bar, 0)), full);
  EXPECT_EQ(PageAlpha(Body(bar, 0)), 255);
  EXPECT_EQ(InParent(Header(bar, 1)).top, belowTop);

  // Every request that could not be posted was freed.
  for (int i = 0; i < 10; ++i) click();
  const size_t heapBefore = HeapBytesInUse();
  for (int i = 0; i < 100; ++i) click();
  const size_t heapAfter = HeapBytesInUse();
  EXPECT_LT(heapAfter, heapBefore + 1024) << heapBefore << " -> " << heapAfter;
  EXPECT_EQ(FreeExplorerBar(bar), 1);
}

}  // namespace
