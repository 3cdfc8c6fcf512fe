// The popup menu window procedure on real tracked popups: a record per open
// popup window through a submenu's life, the submenu drawn in the root's style
// while open, the selection fade switched off by styled popups and back on
// after the last, frames by pixels per style, the Office popup still learning
// its menu, and the placement's nudge and width.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "commandbars/commandbars_seam.h"
#include "commandbars/menu_ex_record.h"
#include "commandbars/popup/menu_popup_record.h"
#include "commandbars/popup/menu_tracking_hooks.h"
#include "commandbars/popup/menu_tracking_state.h"
#include "core/library/reentrant_lock.h"
#include "core/windows/creation_hook.h"
#include "skin/ui_colours/ui_colour_lookup.h"
#include "skin/ui_colours/ui_style.h"
#include "tests/support/pointer_input.h"
#include "tests/support/tracked_menu_driver.h"
#include "tests/support/win_test_helpers.h"

namespace kelvra {
namespace {

using namespace kelvra::test;

int gIdles = 0;
HWND gIdlePopup = nullptr;

LRESULT CALLBACK OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_ENTERIDLE && wParam == MSGF_MENU) {
    ++gIdles;
    gIdlePopup = reinterpret_cast<HWND>(lParam);
  }
  if (message == WM_MENUSELECT) OnTrackedMenuSelect(window, wParam, lParam);
  return DefWindowProcW(window, message, wParam, lParam);
}

// A brush colour of the style, as the frame is painted with it.
COLORREF StyleColour(int32_t style, int32_t index) {
  if (style != 5) return LookupUIColour(static_cast<uint32_t>(style), index, kUIColourColorRef);
  LOGBRUSH log{};
  GetObjectW(reinterpret_cast<HBRUSH>(static_cast<uintptr_t>(GetUIColourBrush(kUIStyleWhidbey, index))), sizeof log,
             &log);
  return log.lbColor;
}

class PopupWindowProcTest : public ::testing::Test {
 protected:
  void SetUp() override {
    owner_ = CreateWindowExW(0, RegisterTestWindowClass(L"PopupWindowProcOwner", OwnerProc), L"", WS_POPUP, 100, 100,
                             300, 200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ShowAndRaise(owner_);
    MovePointerAway();
    sub_ = CreatePopupMenu();
    AppendMenuW(sub_, MF_STRING, 201, L"Inner item");
    menu_ = CreatePopupMenu();
    AppendMenuW(menu_, MF_STRING, 101, L"First item");
    AppendMenuW(menu_, MF_POPUP, reinterpret_cast<UINT_PTR>(sub_), L"Submenu item");
    AppendMenuW(menu_, MF_STRING, 103, L"Third item");
    LockGuard guard(Locks().menu);
    root_ = MenuExList().Append(std::make_unique<MenuExRecord>());
    root_->menuHandle = menu_;
    subRecord_ = MenuExList().Append(std::make_unique<MenuExRecord>());
    subRecord_->menuHandle = sub_;
    gIdles = 0;
    gIdlePopup = nullptr;
  }
  void TearDown() override {
    {
      LockGuard guard(Locks().menu);
      MenuExList().Remove(root_);
      MenuExList().Remove(subRecord_);
    }
    auto& t = MenuTracking();
    t.placement = MenuPlacementValues{};
    DestroyMenu(menu_);
    DestroyWindow(owner_);
    MovePointerAway();
  }
  // Tracks the root as DisplayPopupMenuEx does, without its measuring.
  TrackedRun Track(int32_t style, std::vector<TrackedStep> steps, int x = 150) {
    root_->uiStyle = style;
    return RunWhileTracked(
        [&, x] {
          auto& t = MenuTracking();
          t.trackedMenu = menu_;
          t.trackedRecord = root_;
          t.submenuOpening = 0;
          t.openingSubmenu = nullptr;
          t.selectionBaseMenu = nullptr;
          t.firstPopupWindow = nullptr;
          InstallCallWndProcHook();  // the creation hook subclasses the popups
          InstallTrackingHooks();
          const intptr_t result = TrackPopupMenuEx(menu_, TPM_VERTICAL, x, 150, owner_, nullptr);
          RemoveTrackingHooks();
          t.trackedMenu = nullptr;
          t.trackedRecord = nullptr;
          return result;
        },
        std::move(steps));
  }
  TrackedStep Idle() {
    return {"the popup idles", [] { gIdles = 0; }, [] { return gIdles > 0; }};
  }
  TrackedStep MoveTo(const char* name, HMENU menu, int position) {
    return {name, [=] {
              POINT centre{};
              if (MenuItemCentre(menu, position, centre)) TrackedMovePointer(centre);
            },
            [] { return TrackedInputSent(); }};
  }

  HWND owner_ = nullptr;
  HMENU menu_ = nullptr, sub_ = nullptr;
  MenuExRecord* root_ = nullptr;
  MenuExRecord* subRecord_ = nullptr;
};

TEST_F(PopupWindowProcTest, RecordsAndStylesThroughASubmenusLife) {
  subRecord_->uiStyle = 5;
  std::vector<int> open;
  int32_t subStyleWhileOpen = -1;
  bool userDataHoldsRecord = false;
  auto& t = MenuTracking();
  const TrackedRun run = Track(0x2000000, {
      Idle(),
      {"one popup", [&] { open.push_back(t.openPopups); }, nullptr},
      MoveTo("to the submenu item", menu_, 1),
      {"the submenu opens", nullptr, [] { return ShownPopupMenuWindows().size() == 2; }},
      {"two popups", [&] {
         open.push_back(t.openPopups);
         subStyleWhileOpen = subRecord_->uiStyle;
         for (HWND popup : ShownPopupMenuWindows()) {
           auto* record = reinterpret_cast<MenuExPopupRecord*>(GetWindowLongPtrW(popup, GWLP_USERDATA));
           userDataHoldsRecord = record && record->window == popup;
           if (!userDataHoldsRecord) break;
         }
       },
       nullptr},
      MoveTo("back to the first item", menu_, 0),
      {"the submenu closes", nullptr, [] { return ShownPopupMenuWindows().size() == 1; }},
      {"one popup again", [&] { open.push_back(t.openPopups); }, nullptr},
      {"Escape", [] { TrackedKey(VK_ESCAPE); }, nullptr},
  });
  EXPECT_TRUE(run.Ok()) << run.failure;
  open.push_back(t.openPopups);
  EXPECT_EQ(open, (std::vector<int>{1, 2, 1, 0}));
  EXPECT_EQ(subStyleWhileOpen, 0x2000000);
  EXPECT_EQ(subRecord_->uiStyle, 5);
  EXPECT_TRUE(userDataHoldsRecord);
  LockGuard guard(Locks().menu);
  EXPECT_TRUE(MenuExPopupList().empty());
}

TEST_F(PopupWindowProcTest, SelectionFadeOffWhileStyledPopupsAreOpen) {
  BOOL saved = FALSE;
  SystemParametersInfoW(SPI_GETSELECTIONFADE, 0, &saved, 0);
  struct Case {
    int32_t style;
    BOOL before;
    BOOL during;
  };
  const Case cases[] = {{5, TRUE, FALSE}, {0x2000000, TRUE, FALSE}, {0, TRUE, TRUE}, {5, FALSE, FALSE}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "style " << c.style << " fade " << c.before);
    SystemParametersInfoW(SPI_SETSELECTIONFADE, 0, reinterpret_cast<PVOID>(static_cast<intptr_t>(c.before)), 0);
    BOOL during = -1;
    const TrackedRun run = Track(c.style, {Idle(),
                                           {"read the fade", [&] { SystemParametersInfoW(SPI_GETSELECTIONFADE, 0, &during, 0); },
                                            nullptr},
                                           {"Escape", [] { TrackedKey(VK_ESCAPE); }, nullptr}});
    EXPECT_TRUE(run.Ok()) << run.failure;
    EXPECT_EQ(during, c.during);
    BOOL after = -1;
    SystemParametersInfoW(SPI_GETSELECTIONFADE, 0, &after, 0);
    EXPECT_EQ(after, c.before);
  }
  SystemParametersInfoW(SPI_SETSELECTIONFADE, 0, reinterpret_cast<PVOID>(static_cast<intptr_t>(saved)), 0);
}

// The frame band by pixels at the first idle, read from the popup's window DC;
// an Office popup still knows its menu.
TEST_F(PopupWindowProcTest, FramesPerStyle) {
  for (int32_t style : {0, 5, 6, 0x2000000}) {
    SCOPED_TRACE(::testing::Message() << "style " << style);
    COLORREF outer = 0, band = 0, bandInner = 0, side = 0;
    HMENU known = nullptr;
    int width = 0, height = 0;
    const TrackedRun run = Track(style, {Idle(),
                                         {"read the frame", [&] {
                                            HWND popup = gIdlePopup;
                                            RECT r{};
                                            GetWindowRect(popup, &r);
                                            width = r.right - r.left;
                                            height = r.bottom - r.top;
                                            HDC dc = GetWindowDC(popup);
                                            outer = GetPixel(dc, width / 2, 0);
                                            band = GetPixel(dc, width / 2, 1);
                                            bandInner = GetPixel(dc, width - 3, height / 2);
                                            side = GetPixel(dc, width - 1, height / 2);
                                            ReleaseDC(popup, dc);
                                            known = reinterpret_cast<HMENU>(SendMessageW(popup, 0x1E1, 0, 0));
                                          },
                                          nullptr},
                                         {"Escape", [] { TrackedKey(VK_ESCAPE); }, nullptr}});
    EXPECT_TRUE(run.Ok()) << run.failure;
    EXPECT_EQ(known, menu_);  // MN_GETHMENU
    if (style < 5) continue;  // the system's own frame
    EXPECT_EQ(outer, StyleColour(style, 12));
    EXPECT_EQ(side, StyleColour(style, 12));
    EXPECT_EQ(band, StyleColour(style, 30));
    EXPECT_EQ(bandInner, StyleColour(style, 30));
  }
}

// A root popup is shifted by its nudge and made at least the measured width.
TEST_F(PopupWindowProcTest, PlacementNudgeAndWidth) {
  struct Case {
    int32_t nudge;
    int shift;
  };
  const Case cases[] = {{0, 0}, {2, 1}, {7, 5}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.nudge);
    auto& t = MenuTracking();
    t.placement.placementNudge = c.nudge;
    t.placement.measuredPopupWidth = 260;
    RECT placed{};
    const TrackedRun run = Track(5, {Idle(),
                                     {"read the place", [&] { GetWindowRect(gIdlePopup, &placed); }, nullptr},
                                     {"Escape", [] { TrackedKey(VK_ESCAPE); }, nullptr}},
                                 200);
    EXPECT_TRUE(run.Ok()) << run.failure;
    EXPECT_EQ(placed.left, 200 + c.shift);
    EXPECT_GE(placed.right - placed.left, 260);
  }
}

}  // namespace
}  // namespace kelvra
