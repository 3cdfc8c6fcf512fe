// The tracking hooks: the loop's message filter by message (called directly),
// the selection the owner is told of, the chevron filter's signed points, the
// low-level mouse hook on a real tracked popup with a submenu (a root item
// clicked after the submenu opened keeps its command; a click outside ends the
// menu), and the bar background cache's grab and restore through the screen.
#include <gtest/gtest.h>
#include <windows.h>

#include "commandbars/commandbars_seam.h"
#include "commandbars/popup/menu_bar_background.h"
#include "commandbars/popup/menu_popup_record.h"
#include "commandbars/popup/menu_tracking_hooks.h"
#include "commandbars/popup/menu_tracking_state.h"
#include "core/windows/creation_hook.h"
#include "tests/support/pointer_input.h"
#include "tests/support/tracked_menu_driver.h"
#include "tests/support/win_test_helpers.h"

namespace kelvra {
namespace {

using namespace kelvra::test;

// The fields the hooks write, put back after each test.
class TrackingFields {
 public:
  TrackingFields() : tracking_(MenuTracking()) { Clear(); }
  ~TrackingFields() { Clear(); }
  void Clear() {
    tracking_.trackedMenu = nullptr;
    tracking_.selectionBaseMenu = nullptr;
    tracking_.keyboardNavigation = tracking_.arrowUsed = tracking_.lastInput = 0;
    tracking_.lastMousePoint = POINT{};
    tracking_.lastMenuSelectFlags = 0;
    tracking_.lastSelectedSubmenu = tracking_.openingSubmenu = nullptr;
    tracking_.submenuOpening = 0;
    tracking_.overPopup = 0;
    tracking_.focusWindow = nullptr;
    tracking_.chevronClick = 0;
    tracking_.chevronRect = RECT{};
  }

 private:
  MenuTrackingState& tracking_;
};

LRESULT Filter(UINT message, WPARAM wParam, LPARAM lParam, int code = MSGF_MENU) {
  MSG msg{};
  msg.message = message;
  msg.wParam = wParam;
  msg.lParam = lParam;
  return PopupMenuFilterHookProc(code, 0, reinterpret_cast<LPARAM>(&msg));
}

TEST(MenuTrackingHooks, FilterFollowsKeysPointerAndPresses) {
  TrackingFields fields;
  auto& t = MenuTracking();
  HMENU sub = CreatePopupMenu();
  t.lastSelectedSubmenu = sub;

  Filter(WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(t.keyboardNavigation, 1);
  EXPECT_EQ(t.arrowUsed, 1);
  EXPECT_EQ(t.lastInput, 1);

  Filter(WM_MOUSEMOVE, 0, MAKELPARAM(-20, 40));  // signed: a monitor left of the primary
  EXPECT_EQ(t.arrowUsed, 0);
  EXPECT_EQ(t.lastInput, 0);
  EXPECT_EQ(t.lastMousePoint.x, -20);
  EXPECT_EQ(t.lastMousePoint.y, 40);
  t.arrowUsed = 1;
  Filter(WM_MOUSEMOVE, 0, MAKELPARAM(-20, 40));  // the same point: no move
  EXPECT_EQ(t.arrowUsed, 1);

  // Right opens a submenu only from a highlighted submenu item (0x190).
  t.lastMenuSelectFlags = 0x180;
  Filter(WM_KEYDOWN, VK_RIGHT, 0);
  EXPECT_EQ(t.submenuOpening, 0);
  t.lastMenuSelectFlags = 0x190;
  Filter(WM_KEYDOWN, VK_RIGHT, 0);
  EXPECT_EQ(t.submenuOpening, 1);
  EXPECT_EQ(t.openingSubmenu, sub);

  // A title switch by key (-2) keeps its mark through Left and Right.
  t.keyboardNavigation = -2;
  t.submenuOpening = 0;
  Filter(WM_KEYDOWN, VK_RIGHT, 0);
  EXPECT_EQ(t.keyboardNavigation, -2);
  EXPECT_EQ(t.submenuOpening, 0);

  // A press gives the saved window the focus and ends keyboard navigation.
  HWND focus = CreateWindowExW(0, PlainWindowClass(), L"", WS_POPUP | WS_VISIBLE, 0, 0, 20, 20, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
  HWND other = CreateWindowExW(0, PlainWindowClass(), L"", WS_POPUP | WS_VISIBLE, 30, 0, 20, 20, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
  SetFocus(other);
  t.focusWindow = focus;
  t.keyboardNavigation = 1;
  Filter(WM_RBUTTONDOWN, 0, 0);
  EXPECT_EQ(t.keyboardNavigation, 0);
  EXPECT_EQ(GetFocus(), focus);

  // Other filter codes are left alone.
  t.arrowUsed = 0;
  Filter(WM_KEYDOWN, VK_UP, 0, MSGF_DIALOGBOX);
  EXPECT_EQ(t.arrowUsed, 0);
  EXPECT_EQ(PopupMenuFilterHookProc(MSGF_MENU, 0, 0), 0);  // no message: nothing read
  DestroyWindow(focus);
  DestroyWindow(other);
  DestroyMenu(sub);
}

TEST(MenuTrackingHooks, SelectionMarksTheComingSubmenu) {
  TrackingFields fields;
  auto& t = MenuTracking();
  HMENU root = CreatePopupMenu(), sub = CreatePopupMenu();
  AppendMenuW(root, MF_STRING, 101, L"Command");
  AppendMenuW(root, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), L"More");
  // Nothing tracked: nothing recorded.
  OnTrackedMenuSelect(nullptr, MAKEWPARAM(1, 0x190), reinterpret_cast<LPARAM>(root));
  EXPECT_EQ(t.lastMenuSelectFlags, 0);
  t.trackedMenu = root;
  struct Case {
    WPARAM wParam;
    HMENU submenu;
    int32_t opening;
  };
  const Case cases[] = {{MAKEWPARAM(1, 0x190), sub, 1}, {MAKEWPARAM(101, 0x180), nullptr, 0},
                        {MAKEWPARAM(0xFFFF, 0xFFFF), nullptr, 0}};
  for (const Case& c : cases) {
    OnTrackedMenuSelect(nullptr, c.wParam, reinterpret_cast<LPARAM>(root));
    EXPECT_EQ(t.lastMenuSelectFlags, static_cast<int32_t>(HIWORD(c.wParam)));
    EXPECT_EQ(t.selectionBaseMenu, root);
    EXPECT_EQ(t.lastSelectedSubmenu, c.submenu);
    EXPECT_EQ(t.submenuOpening, c.opening);
  }
  DestroyMenu(root);
}

TEST(MenuTrackingHooks, ChevronPressesReadSignedPoints) {
  TrackingFields fields;
  auto& t = MenuTracking();
  t.chevronRect = RECT{-300, -40, -280, -20};
  struct Case {
    int code;
    UINT message;
    int x, y;
    int32_t before, after;
  };
  const Case cases[] = {
      {MSGF_MENU, WM_LBUTTONDOWN, -290, -30, 0, -1},  // inside, left of and above the primary
      {MSGF_MENU, WM_LBUTTONDOWN, -280, -20, 0, -1},  // the edges count
      {MSGF_MENU, WM_LBUTTONDOWN, -279, -30, -1, 0},
      {MSGF_MENU, WM_LBUTTONDOWN, 290, 30, -1, 0},
      {MSGF_MENU, WM_LBUTTONUP, -290, -30, 0, 0},
      {MSGF_DIALOGBOX, WM_LBUTTONDOWN, -290, -30, 0, 0},
  };
  for (const Case& c : cases) {
    t.chevronClick = c.before;
    MSG msg{};
    msg.message = c.message;
    msg.lParam = MAKELPARAM(c.x, c.y);
    EXPECT_EQ(ChevronMenuFilterHookProc(c.code, 0, reinterpret_cast<LPARAM>(&msg)), 0);
    EXPECT_EQ(t.chevronClick, c.after) << c.x << "," << c.y;
  }
}

TEST(MenuTrackingHooks, PointsInOpenPopupsCountTheirEdges) {
  const std::vector<RECT> rects{{10, 10, 50, 40}, {48, 20, 120, 90}};
  struct Case {
    POINT point;
    bool inside;
  };
  const Case cases[] = {{{10, 10}, true}, {{50, 40}, true}, {{100, 85}, true},
                        {{9, 10}, false}, {{30, 41}, false}, {{121, 50}, false}};
  for (const Case& c : cases) EXPECT_EQ(PointInPopupRects(c.point, rects), c.inside) << c.point.x << "," << c.point.y;
  EXPECT_FALSE(PointInPopupRects(POINT{0, 0}, {}));
}

// ---- A real tracked popup with a submenu, the hooks installed around it.

int gCommand = 0;
int gIdles = 0;

LRESULT CALLBACK OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND) gCommand = LOWORD(wParam);
  if (message == WM_ENTERIDLE) ++gIdles;
  if (message == WM_MENUSELECT) OnTrackedMenuSelect(window, wParam, lParam);
  return DefWindowProcW(window, message, wParam, lParam);
}

class TrackedHooksTest : public ::testing::Test {
 protected:
  void SetUp() override {
    owner_ = CreateWindowExW(0, RegisterTestWindowClass(L"TrackingHooksOwner", OwnerProc), L"", WS_POPUP, 100, 100,
                             300, 200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ShowAndRaise(owner_);
    MovePointerAway();
    sub_ = CreatePopupMenu();
    AppendMenuW(sub_, MF_STRING, 201, L"Inner item");
    menu_ = CreatePopupMenu();
    AppendMenuW(menu_, MF_STRING, 101, L"First item");
    AppendMenuW(menu_, MF_POPUP, reinterpret_cast<UINT_PTR>(sub_), L"Submenu item");
    AppendMenuW(menu_, MF_STRING, 103, L"Third item");
    gCommand = gIdles = 0;
  }
  void TearDown() override {
    DestroyMenu(menu_);
    DestroyWindow(owner_);
    MovePointerAway();
  }
  TrackedRun Track(std::vector<TrackedStep> steps) {
    return RunWhileTracked(
        [&] {
          MenuTracking().trackedMenu = menu_;
          InstallCallWndProcHook();  // the creation hook names the current popup window
          InstallTrackingHooks();
          const intptr_t result = TrackPopupMenuEx(menu_, TPM_VERTICAL, 150, 150, owner_, nullptr);
          RemoveTrackingHooks();
          MenuTracking().trackedMenu = nullptr;
          return result;
        },
        std::move(steps));
  }
  TrackedStep MoveTo(const char* name, HMENU menu, int position) {
    return {name, [=] {
              POINT centre{};
              if (MenuItemCentre(menu, position, centre)) TrackedMovePointer(centre);
            },
            [] { return TrackedInputSent(); }};
  }

  TrackingFields fields_;
  HWND owner_ = nullptr;
  HMENU menu_ = nullptr, sub_ = nullptr;
};

TEST_F(TrackedHooksTest, RootItemClickedAfterASubmenuOpenedKeepsItsCommand) {
  const TrackedRun run = Track({
      {"the popup idles", nullptr, [] { return gIdles > 0; }},
      MoveTo("to the submenu item", menu_, 1),
      {"the submenu opens", nullptr, [] { return ShownPopupMenuWindows().size() == 2; }},
      {"the pointer is over a popup", nullptr, [] { return MenuTracking().overPopup == 1; }},
      {"the submenu is the current popup", nullptr,
       [] { return MenuTracking().currentPopupWindow == ShownPopupMenuWindows().front(); }},
      MoveTo("back to the first item", menu_, 0),
      {"click", [] { TrackedLeftClick(); }, nullptr},
  });
  EXPECT_TRUE(run.Ok()) << run.failure << " (result " << run.result << ", " << run.elapsedMs << " ms)";
  PumpUntil([] { return gCommand != 0; }, 2000);
  EXPECT_EQ(gCommand, 101);
}

TEST_F(TrackedHooksTest, ClickOutsideEndsTheMenu) {
  const TrackedRun run = Track({
      {"the popup idles", nullptr, [] { return gIdles > 0; }},
      {"click far outside", [] {
         TrackedMovePointer(POINT{700, 600});
         TrackedLeftClick();
       },
       nullptr},
      {"the menu closes", nullptr, [] { return ShownPopupMenuWindows().empty(); }},
  });
  EXPECT_FALSE(run.endedByWatchdog) << run.failure;
  PumpMessagesFor(100);
  EXPECT_EQ(gCommand, 0);
}

// The bar helpers without a bar: grab, paint over, restore through the screen.
TEST(MenuBarBackground, GrabAndRestoreThroughTheScreen) {
  HWND window = CreateWindowExW(WS_EX_TOPMOST, PlainWindowClass(), L"", WS_POPUP, 200, 200, 120, 80, nullptr,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
  ShowAndRaise(window);
  PumpMessagesFor(100);
  auto paint = [&](COLORREF colour) {
    HDC dc = GetDC(window);
    HBRUSH brush = CreateSolidBrush(colour);
    const RECT all{0, 0, 120, 80};
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    ReleaseDC(window, dc);
    GdiFlush();
    PumpMessagesFor(50);
  };
  auto screenAt = [](int x, int y) {
    HDC screen = GetDC(nullptr);
    const COLORREF c = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return c;
  };
  paint(RGB(200, 30, 30));
  ASSERT_EQ(screenAt(250, 240), RGB(200, 30, 30));
  ASSERT_TRUE(PrepareMenuBarBackground(RECT{150, 150, 400, 350}));
  struct Case {
    intptr_t grabMode;
    RECT grab;
    POINT probe;
  };
  const Case cases[] = {{kGrabRectangle, {200, 200, 320, 280}, {250, 240}},
                        {kGrabNewStrips, {200, 200, 320, 280}, {310, 270}}};
  for (const Case& c : cases) {
    paint(RGB(200, 30, 30));
    MenuTracking().backgroundCache.grabbed = RECT{};
    EXPECT_EQ(CacheMenuBarBackground(c.grabMode, c.grab), 0);
    paint(RGB(30, 30, 200));
    EXPECT_EQ(screenAt(c.probe.x, c.probe.y), RGB(30, 30, 200));
    EXPECT_EQ(CacheMenuBarBackground(kRestoreRectangle, c.grab), 0);
    EXPECT_EQ(screenAt(c.probe.x, c.probe.y), RGB(200, 30, 30));
  }
  // Bad areas make no cache and change nothing.
  EXPECT_FALSE(PrepareMenuBarBackground(RECT{10, 10, 10, 50}));
  EXPECT_EQ(CacheMenuBarBackground(reinterpret_cast<intptr_t>(HWND(nullptr)) + 12345, RECT{}), 0);
  DestroyWindow(window);
}

}  // namespace
}  // namespace kelvra
