// A real thumb drag with the pointer, on a page far taller than 65,535 pixels:
// the position the page takes is the bar's 32-bit one, not the 16 bits a scroll
// message carries. Moves the real pointer (run alone: variants.cmake).
#include <gtest/gtest.h>

#include "tests/panels/scrolling/page_scroll_support.h"

namespace {

using namespace kelvra;
using namespace kelvra::test;

class PageScrollThumb : public ScrollingPanel {};

INPUT Mouse(DWORD flags, POINT at = {}) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  if (flags & MOUSEEVENTF_MOVE) {
    input.mi.dwFlags |= MOUSEEVENTF_ABSOLUTE;
    input.mi.dx = at.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = at.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
  }
  return input;
}

// Press at `from`, move to `to` in a few steps, release: one batch.
void Drag(POINT from, POINT to) {
  INPUT inputs[8];
  int n = 0;
  inputs[n++] = Mouse(MOUSEEVENTF_MOVE, from);
  inputs[n++] = Mouse(MOUSEEVENTF_LEFTDOWN);
  for (int step = 1; step <= 4; ++step)
    inputs[n++] = Mouse(MOUSEEVENTF_MOVE, {from.x + (to.x - from.x) * step / 4, from.y + (to.y - from.y) * step / 4});
  inputs[n++] = Mouse(MOUSEEVENTF_LEFTUP);
  SendInput(n, inputs, sizeof(INPUT));
}

TEST_F(PageScrollThumb, DragToTheEndOfAHundredThousandPixelPage) {
  Child(0, 0, 50, 50);
  ASSERT_EQ(1, Set(kAuto, 1));
  // Window sizes stop near 32,767 pixels, so no child can reach that far: the
  // extent is set as such a child would make it, and the panel's resize applies it.
  WithPage(page_, [](PanelExPageRecord& p) {
    p.contentExtent.right = 50;
    p.contentExtent.bottom = 100000;
    return 0;
  });
  ResizePanel(200, 101);
  HWND bar = Bar(false);
  ASSERT_EQ(1, Get(kVertical));
  ASSERT_EQ(0, Get(kHorizontal));
  const SCROLLINFO info = Info(bar);
  ASSERT_EQ(100000, info.nMax);
  const int last = info.nMax - static_cast<int>(info.nPage) + 1;
  ASSERT_GT(last, 65535);

  SCROLLBARINFO sbi{};
  sbi.cbSize = sizeof(sbi);
  ASSERT_TRUE(GetScrollBarInfo(bar, OBJID_CLIENT, &sbi));
  const POINT thumb{(sbi.rcScrollBar.left + sbi.rcScrollBar.right) / 2,
                    sbi.rcScrollBar.top + (sbi.xyThumbTop + sbi.xyThumbBottom) / 2};
  // A little past the bar's end: much further and the thumb snaps back.
  Drag(thumb, {thumb.x, sbi.rcScrollBar.bottom + 10});
  EXPECT_TRUE(PumpUntil([&] { return Info(bar).nPos == last; }, 3000)) << Info(bar).nPos;
  PumpMessagesFor(50);
  EXPECT_EQ(last, Info(bar).nPos);
  EXPECT_EQ(last, WithPage(page_, [](PanelExPageRecord& p) { return p.verticalPosition; }))
      << "the page's position passes 65,535 with the thumb";
}

}  // namespace
