// Invalidating and erasing pages: a nested page is repainted through its
// outermost page, children that paint their own background are cut out of a
// page's erase, panels out of their parent's, and a panel taken off a page paints
// itself again.
#include <gtest/gtest.h>

#include "core/windows/window_map.h"
#include "panels/page/page_invalidation.h"
#include "panels/panels_seam.h"
#include "tests/panels/panel/panel_test_support.h"

namespace {

using namespace kelvra::test;

class PageRedraw : public testing::Test {
 protected:
  void SetUp() override {
    EnsureStarted();
    outer_ = CreatePanelEx(-1, Host(), 10, 20, 300, 150, nullptr);
    outerPage_ = AddPanelExPage(-1);
    inner_ = CreatePanelEx(-1, outerPage_, 40, 30, 120, 80, nullptr);
    innerPanel_ = PanelExID(inner_, -1);
    innerPage_ = AddPanelExPage(-1);
    ASSERT_NE(innerPage_, nullptr);
    UpdateWindow(Host());
    ValidateAll();
  }
  void TearDown() override { FreePanelEx(-1); }
  static void ValidateAll() { RedrawWindow(Host(), nullptr, nullptr, RDW_VALIDATE | RDW_ALLCHILDREN); }
  static RECT UpdateOf(HWND window) {
    RECT rect{};
    GetUpdateRect(window, &rect, FALSE);
    return rect;
  }

  int outer_ = 0, inner_ = 0;
  HWND outerPage_ = nullptr, innerPanel_ = nullptr, innerPage_ = nullptr;
};

TEST_F(PageRedraw, NestedPagesAreRepaintedByTheOutermostPage) {
  {
    kelvra::LockGuard mapLock(kelvra::Locks().windowMap);
    EXPECT_EQ(kelvra::GetTopPanelExPageAncestor(innerPage_), outerPage_);
    EXPECT_EQ(kelvra::GetTopPanelExPageAncestor(outerPage_), outerPage_);
    RECT rect{0, 0, 500, 500};
    kelvra::ClipRectToRegisteredAncestors(rect, innerPage_, nullptr);  // in the outer panel
    EXPECT_EQ(Text(rect), "40,30,160,110");
  }
  const HWND button = CreateWindowExW(0, L"BUTTON", L"b", WS_CHILD | WS_VISIBLE, 2, 2, 30, 20, innerPage_, nullptr,
                                      nullptr, nullptr);
  UpdateWindow(Host());
  ValidateAll();
  EXPECT_EQ(kelvra::InvalidatePanelExPage(innerPage_), outerPage_);
  EXPECT_EQ(Text(UpdateOf(outerPage_)), "40,30,160,110");  // the inner panel's area, in the outer page
  EXPECT_EQ(Text(UpdateOf(button)), "0,0,30,20");          // children that paint themselves
  ValidateAll();
  EXPECT_EQ(kelvra::InvalidatePanelExPage(outerPage_), outerPage_);
  EXPECT_EQ(Text(UpdateOf(outerPage_)), "0,0,300,150");
  DestroyWindow(button);
}

// Whether a point of the DC is still drawn on after the exclusions.
bool Drawn(HDC dc, int x, int y) { return PtVisible(dc, x, y) != 0; }

TEST_F(PageRedraw, ChildrenThatPaintTheirOwnBackgroundAreCutOutOfTheErase) {
  const HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 200, 10, 60, 20, outerPage_, nullptr,
                                    nullptr, nullptr);
  const HWND button = CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE, 200, 50, 60, 20, outerPage_,
                                      nullptr, nullptr, nullptr);
  Dib32 canvas(300, 150);
  kelvra::PaintChildBackgroundParams params{outerPage_, canvas.dc()};
  EnumChildWindows(outerPage_, kelvra::PaintChildBackgroundProc, reinterpret_cast<LPARAM>(&params));
  EXPECT_EQ(params.window, outerPage_);
  EXPECT_FALSE(Drawn(canvas.dc(), 210, 15));  // the edit
  EXPECT_TRUE(Drawn(canvas.dc(), 210, 55));   // buttons sit on the page's background
  EXPECT_TRUE(Drawn(canvas.dc(), 50, 40));    // panels are drawn by the page painter
  EXPECT_TRUE(Drawn(canvas.dc(), 5, 5));
  DestroyWindow(edit);
  DestroyWindow(button);
}

TEST_F(PageRedraw, PanelsAreCutOutOfTheirParentsErase) {
  Dib32 canvas(500, 400);
  SendMessageW(Host(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.dc()), 0);
  EXPECT_FALSE(Drawn(canvas.dc(), 20, 30));
  EXPECT_TRUE(Drawn(canvas.dc(), 5, 5));
  EXPECT_TRUE(Drawn(canvas.dc(), 400, 300));
}

// The erase finds a parent's panels where they are now: after moves, a change of
// parent and hiding, and when the parent erases only part of itself.
TEST_F(PageRedraw, PanelsAreCutOutWhereTheyAreNow) {
  const int other = CreatePanelEx(-1, Host(), 350, 250, 100, 100, nullptr);
  const HWND panel = PanelExID(other, -1);
  // Erases only the few pixels around (x, y), as a parent does for a small update.
  auto cutAt = [](int x, int y) {
    Dib32 canvas(500, 400);
    IntersectClipRect(canvas.dc(), x - 5, y - 5, x + 5, y + 5);
    SendMessageW(Host(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.dc()), 0);
    return !Drawn(canvas.dc(), x, y);
  };
  EXPECT_TRUE(cutAt(400, 300));

  SetWindowPos(panel, nullptr, 200, 250, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  EXPECT_FALSE(cutAt(400, 300));
  EXPECT_TRUE(cutAt(250, 300));

  ShowWindow(panel, SW_HIDE);
  EXPECT_FALSE(cutAt(250, 300));
  ShowWindow(panel, SW_SHOW);
  EXPECT_TRUE(cutAt(250, 300));

  // On the outer page the panel is its page's business, not the host's; back on
  // the host it is cut out again wherever it is put.
  SetParent(panel, outerPage_);
  EXPECT_FALSE(cutAt(250, 300));
  SetParent(panel, Host());
  SetWindowPos(panel, nullptr, 380, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  EXPECT_TRUE(cutAt(400, 50));
  FreePanelEx(other);
  EXPECT_FALSE(cutAt(400, 50));
}

TEST_F(PageRedraw, APanelTakenOffAPagePaintsItselfAgain) {
  {
    kelvra::LockGuard lock(kelvra::Locks().panel);
    kelvra::FindPanelExPageByWindow(innerPage_)->paintState = 1;  // drawn by the outer page
  }
  EXPECT_NE(GetWindowLongW(innerPanel_, GWL_EXSTYLE) & WS_EX_TRANSPARENT, 0);
  ShowWindow(innerPanel_, SW_HIDE);
  SetParent(innerPanel_, Host());
  ShowWindow(innerPanel_, SW_SHOW);
  EXPECT_EQ(GetWindowLongW(innerPanel_, GWL_EXSTYLE) & WS_EX_TRANSPARENT, 0);
  EXPECT_EQ(WithPage(innerPage_, [](auto& p) { return static_cast<int>(p.paintState); }), 0);
}

}  // namespace
