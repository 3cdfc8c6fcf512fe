// MakeFamilyPanel, the panel and page every control family builds on: what it
// makes, the application's current panel kept (or dropped when it went while the
// panel was being made), and refusals that leave nothing behind.
#include <gtest/gtest.h>

#include "panels/panel/family_panel.h"
#include "tests/panels/panel/panel_test_support.h"

namespace {

using namespace kelvra;
using namespace kelvra::test;

size_t PanelCount() {
  LockGuard lock(Locks().panel);
  return PanelExList().Size();
}

HWND CurrentPanel() {
  LockGuard lock(Locks().panel);
  return CurrentPanelEx();
}

class FamilyPanelTest : public testing::Test {
 protected:
  void SetUp() override { EnsureStarted(); }
  void TearDown() override {
    ParentRecorder() = Recorder{};
    FreePanelEx(-1);
  }
};

TEST_F(FamilyPanelTest, OnePanelWithOnePageNamedByItsAutomaticNumber) {
  const FamilyPanel made = MakeFamilyPanel(Host(), 5, 6, 70, 30, RecordingCallback, -1);
  ASSERT_NE(made.number, 0);
  EXPECT_EQ(PanelExID(made.number, -1), made.window);
  EXPECT_EQ(PanelExID(made.number, 0), made.page);
  EXPECT_EQ(PanelExID(made.number, 1), nullptr);
  EXPECT_EQ(GetParent(made.window), Host());
  EXPECT_EQ(Text(WindowRectIn(made.window, Host())), "5,6,75,36");
  EXPECT_EQ(WithPage(made.page, [](auto& p) { return p.backgroundSet.background; }), -1);
  EXPECT_NE(WithPage(made.page, [](auto& p) { return p.backgroundSet.flags; }) & kImageNoContainer, 0);
  // Pages the application adds do not go to a family's panel.
  EXPECT_EQ(CurrentPanel(), nullptr);
  EXPECT_EQ(AddPanelExPage(-1), nullptr);
}

TEST_F(FamilyPanelTest, TheApplicationsCurrentPanelIsKeptWhileItLives) {
  struct Case {
    const char* what;
    bool freedMeanwhile;
  };
  for (const Case& c : {Case{"kept", false}, Case{"freed while the family panel is made", true}}) {
    const int app = CreatePanelEx(-1, Host(), 0, 0, 50, 50, nullptr);
    ASSERT_NE(app, 0) << c.what;
    const HWND appPanel = PanelExID(app, -1);
    bool freed = false;
    if (c.freedMeanwhile) {
      // The family panel's creation tells the host: its procedure frees the
      // application's panel then, as an application's procedure may.
      ParentRecorder().watched = {WM_PARENTNOTIFY};
      ParentRecorder().onSeen = [&](const Seen& seen) {
        if (LOWORD(seen.wParam) != WM_CREATE || freed) return;
        freed = true;
        FreePanelEx(app);
      };
    }
    const FamilyPanel made = MakeFamilyPanel(Host(), 0, 60, 40, 20, RecordingCallback, 0);
    ParentRecorder() = Recorder{};
    ASSERT_NE(made.page, nullptr) << c.what;
    EXPECT_EQ(freed, c.freedMeanwhile) << c.what;
    if (c.freedMeanwhile) {
      EXPECT_EQ(CurrentPanel(), nullptr) << c.what << ": never a window that is gone";
      EXPECT_EQ(AddPanelExPage(-1), nullptr) << c.what;
    } else {
      EXPECT_EQ(CurrentPanel(), appPanel) << c.what;
      const HWND page = AddPanelExPage(-1);
      ASSERT_NE(page, nullptr) << c.what;
      EXPECT_EQ(GetParent(page), appPanel) << c.what;
    }
    FreePanelEx(-1);
  }
}

TEST_F(FamilyPanelTest, RefusalsLeaveNothingBehind) {
  const int app = CreatePanelEx(-1, Host(), 0, 0, 50, 50, nullptr);
  const HWND appPanel = PanelExID(app, -1);
  HWND doomed = CreateWindowExW(0, PlainWindowClass(), L"", WS_CHILD, 0, 0, 10, 10, Host(), nullptr, nullptr, nullptr);
  DestroyWindow(doomed);
  const size_t before = PanelCount();
  for (HWND parent : {doomed, reinterpret_cast<HWND>(0x1234)}) {
    const FamilyPanel made = MakeFamilyPanel(parent, 0, 0, 10, 10, RecordingCallback, 0);
    EXPECT_EQ(made.number, 0);
    EXPECT_EQ(made.window, nullptr);
    EXPECT_EQ(made.page, nullptr);
  }
  EXPECT_EQ(PanelCount(), before);
  EXPECT_EQ(CurrentPanel(), appPanel);
}

}  // namespace
