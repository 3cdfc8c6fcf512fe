// The test harness of tracked menus on a plain native popup: steps run inside the
// menu loop, keys reach it, the chosen command arrives, and the watchdog ends a
// menu whose step never comes (leaving nothing that would close the next one).
#include <gtest/gtest.h>
#include <windows.h>

#include "tests/support/pointer_input.h"
#include "tests/support/tracked_menu_driver.h"
#include "tests/support/win_test_helpers.h"

namespace kelvra::test {
namespace {

int gMenuSelects = 0;
int gEnterIdles = 0;
int gCommand = 0;

LRESULT CALLBACK OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MENUSELECT: ++gMenuSelects; break;
    case WM_ENTERIDLE: ++gEnterIdles; break;
    case WM_COMMAND: gCommand = LOWORD(wParam); break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

class TrackedMenuDriverTest : public ::testing::Test {
 protected:
  void SetUp() override {
    owner_ = CreateWindowExW(0, RegisterTestWindowClass(L"TrackedMenuDriverOwner", OwnerProc), L"", WS_POPUP,
                             100, 100, 300, 200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ShowAndRaise(owner_);
    MovePointerAway();
    menu_ = CreatePopupMenu();
    for (UINT id = 101; id <= 103; ++id) AppendMenuW(menu_, MF_STRING, id, L"Native item");
    gMenuSelects = gEnterIdles = gCommand = 0;
  }
  void TearDown() override {
    DestroyMenu(menu_);
    DestroyWindow(owner_);
  }
  intptr_t Track() { return TrackPopupMenuEx(menu_, TPM_VERTICAL, 150, 150, owner_, nullptr); }

  HWND owner_ = nullptr;
  HMENU menu_ = nullptr;
};

TEST_F(TrackedMenuDriverTest, StepsRunInsideTheLoopAndKeysChoose) {
  int selectsBefore = 0;
  const TrackedRun run = RunWhileTracked([&] { return Track(); },
                                         {
                                             {"the popup idles", nullptr, [] { return gEnterIdles > 0; }},
                                             {"the popup is shown", nullptr, [] { return !ShownPopupMenuWindows().empty(); }},
                                             {"Down selects", [&] { selectsBefore = gMenuSelects; TrackedKey(VK_DOWN); },
                                              [&] { return gMenuSelects > selectsBefore; }},
                                             {"Down again", [&] { selectsBefore = gMenuSelects; TrackedKey(VK_DOWN); },
                                              [&] { return gMenuSelects > selectsBefore; }},
                                             {"Return chooses", [] { TrackedKey(VK_RETURN); }, nullptr},
                                         });
  EXPECT_TRUE(run.Ok()) << run.failure;
  EXPECT_TRUE(run.loopRan);
  EXPECT_FALSE(run.endedByWatchdog);
  EXPECT_NE(run.result, 0);
  PumpUntil([] { return gCommand != 0; }, 2000);
  EXPECT_EQ(gCommand, 102);
}

TEST_F(TrackedMenuDriverTest, WatchdogEndsAMenuWhoseStepNeverComes) {
  const TrackedRun run = RunWhileTracked([&] { return Track(); },
                                         {{"a step that never holds", nullptr, [] { return false; }, 300}});
  EXPECT_FALSE(run.Ok());
  EXPECT_TRUE(run.endedByWatchdog);
  EXPECT_NE(run.failure.find("a step that never holds"), std::string::npos) << run.failure;
  EXPECT_LT(run.elapsedMs, 5000u);
  // Nothing is left over to close the next menu: it stays open until chosen.
  gEnterIdles = 0;
  const TrackedRun next = RunWhileTracked([&] { return Track(); },
                                          {{"the next menu idles", nullptr, [] { return gEnterIdles > 0; }},
                                           {"and stays open a while", nullptr,
                                            [start = GetTickCount()] { return GetTickCount() - start > 300; }},
                                           {"Escape closes it", [] { TrackedKey(VK_ESCAPE); }, nullptr}});
  EXPECT_TRUE(next.Ok()) << next.failure;
}

TEST_F(TrackedMenuDriverTest, NoLoopIsReported) {
  const TrackedRun run = RunWhileTracked([] { return intptr_t{0}; }, {{"anything", nullptr, nullptr}});
  EXPECT_FALSE(run.loopRan);
  EXPECT_FALSE(run.Ok());
  EXPECT_EQ(run.failure, "no menu loop ran");
}

}  // namespace
}  // namespace kelvra::test
