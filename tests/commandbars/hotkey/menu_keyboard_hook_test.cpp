// The menu bar's keys under Wine, typed with real scan codes: Alt or F10 gives
// the bar of the window in use the focus with its first title hot, Alt again or
// Escape gives the focus back, Down and Return ask the host window to open the
// hot title's menu and reach the toolbar no more, Shift+F10 and a disabled F10
// leave the bar alone. Toolbars with a bar's record stand in for menu bars.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <vector>

#include "commandbars/commandbar_globals.h"
#include "commandbars/commandbars_seam.h"
#include "commandbars/menu_ex_record.h"
#include "commandbars/popup/menu_tracking_state.h"
#include "core/library/library_messages.h"
#include "core/library/reentrant_lock.h"
#include "kelvra.h"
#include "tests/support/key_input.h"
#include "tests/support/pointer_input.h"
#include "tests/support/win_test_helpers.h"

namespace kelvra {
namespace {

using test::PressKey;
using test::ReleaseKey;
using test::TapKey;

struct DropDownAsked {
  HWND host;
  WPARAM bar;
  LPARAM title;
};
std::vector<DropDownAsked> asked;
int keyMenus = 0;

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // The release of an Alt or F10 the bar did not take: the window menu's keyboard
  // loop, modal, would stop the test.
  if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_KEYMENU) {
    ++keyMenus;
    return 0;
  }
  if (message == MenuBarKeyDropDownMessage) {
    asked.push_back({window, wParam, lParam});
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

// A window with a two-title bar and a focusable child (no edit: Shift+F10 in an
// edit opens its own context menu, a modal loop).
struct BarWindow {
  explicit BarWindow(int x)
      : top(test::RegisterTestWindowClass(L"KelvraMenuKeysHost", HostProc), WS_OVERLAPPEDWINDOW, x, 50, 400, 200),
        bar(TOOLBARCLASSNAMEW, WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_LIST, 0, 0, 300, 24, top),
        child(test::PlainWindowClass(), WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10, 60, 100, 30, top) {
    SendMessageW(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    TBBUTTON buttons[2] = {};
    const wchar_t* texts[2] = {L"File", L"Edit"};
    for (int i = 0; i < 2; ++i) {
      buttons[i].iBitmap = I_IMAGENONE;
      buttons[i].idCommand = 100 + i;
      buttons[i].fsState = TBSTATE_ENABLED;
      buttons[i].fsStyle = BTNS_BUTTON | BTNS_AUTOSIZE;
      buttons[i].iString = reinterpret_cast<INT_PTR>(texts[i]);
    }
    SendMessageW(bar, TB_ADDBUTTONSW, 2, reinterpret_cast<LPARAM>(buttons));
    LockGuard guard(Locks().menu);
    record = MenuExList().Emplace();
    record->kind = MenuExKind::Title;
    record->popupMarker = 0;
    record->ownerWindow = top;
    MenuExList().SetHead(record, 900 + x, bar.get());
  }
  ~BarWindow() {
    LockGuard guard(Locks().menu);
    MenuExList().Remove(record);
  }
  test::TestWindow top, bar, child;
  MenuExRecord* record = nullptr;
};

int HotItem(HWND bar) { return static_cast<int>(SendMessageW(bar, TB_GETHOTITEM, 0, 0)); }

class MenuBarKeys : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    StartKelvra();
    InstallMenuKeyboardHook(GetCurrentThreadId());
  }
  void SetUp() override {
    asked.clear();
    keyMenus = 0;
    auto& tracking = MenuTracking();
    tracking.keyboardNavigation = 0;
    tracking.barKeyboardMode = 0;
    tracking.hotTitle = -1;
    test::ShowAndRaise(first_.top);
    SetFocus(first_.child);
    test::PumpMessages();
  }
  void TearDown() override {
    CommandBarState().settings.f10Disable = 0;
    if (MenuTracking().barKeyboardMode != 0) TapKey(VK_ESCAPE);
  }
  void Alt() {
    TapKey(VK_MENU);
    test::PumpMessagesFor(30);
  }
  BarWindow first_{50};
};

TEST_F(MenuBarKeys, AltEntersTheBarAndAltOrEscapeLeavesIt) {
  ASSERT_TRUE(CommandBarState().menuKeyboardHook);
  Alt();
  EXPECT_EQ(first_.bar.get(), GetFocus());
  EXPECT_EQ(0, HotItem(first_.bar));
  EXPECT_EQ(1, MenuTracking().barKeyboardMode);
  EXPECT_EQ(1, MenuTracking().keyboardNavigation);
  EXPECT_EQ(first_.bar.get(), MenuTracking().barWindow);

  Alt();
  EXPECT_EQ(first_.child.get(), GetFocus()) << "the focus goes back";
  EXPECT_EQ(-1, HotItem(first_.bar));
  EXPECT_EQ(0, MenuTracking().barKeyboardMode);
  EXPECT_EQ(0, MenuTracking().keyboardNavigation);

  Alt();
  ASSERT_EQ(first_.bar.get(), GetFocus());
  TapKey(VK_ESCAPE);
  EXPECT_EQ(first_.child.get(), GetFocus());
  EXPECT_EQ(-1, HotItem(first_.bar));
  EXPECT_EQ(0, MenuTracking().barKeyboardMode);
  EXPECT_TRUE(asked.empty());
  EXPECT_EQ(0, keyMenus) << "an Alt the bar took started the window menu's keyboard loop";
  EXPECT_EQ(0, GetKeyState(VK_MENU) & 0x8000) << "Alt reads as held";
}

// The toolbar would move its hot item on Down and send WM_COMMAND on Return; the
// host is asked to open the hot title's menu instead, and the key stops there.
TEST_F(MenuBarKeys, DownAndReturnAskTheHostToOpenTheHotTitle) {
  for (const auto& [key, extended] : {std::pair{VK_DOWN, true}, std::pair{VK_RETURN, false}}) {
    asked.clear();
    Alt();
    ASSERT_EQ(first_.bar.get(), GetFocus());
    TapKey(static_cast<WORD>(key), extended);
    ASSERT_TRUE(test::PumpUntil([] { return !asked.empty(); }, 2000)) << "key " << key;
    test::PumpMessagesFor(30);
    ASSERT_EQ(1u, asked.size());
    EXPECT_EQ(first_.top.get(), asked[0].host);
    EXPECT_EQ(reinterpret_cast<WPARAM>(first_.bar.get()), asked[0].bar);
    EXPECT_EQ(0, asked[0].title);
    EXPECT_EQ(0, HotItem(first_.bar)) << "the toolbar saw no Down";
    EXPECT_EQ(-2, MenuTracking().barKeyboardMode);
    Alt();  // leaves
    EXPECT_EQ(first_.child.get(), GetFocus());
  }
}

TEST_F(MenuBarKeys, F10EntersUnlessDisabledOrWithShift) {
  TapKey(VK_F10);
  test::PumpMessagesFor(30);
  EXPECT_EQ(first_.bar.get(), GetFocus());
  TapKey(VK_F10);
  test::PumpMessagesFor(30);
  EXPECT_EQ(first_.child.get(), GetFocus());

  PressKey(VK_SHIFT);
  TapKey(VK_F10);
  ReleaseKey(VK_SHIFT);
  test::PumpMessagesFor(30);
  EXPECT_EQ(first_.child.get(), GetFocus()) << "Shift+F10 is the context-menu key";
  EXPECT_EQ(0, MenuTracking().barKeyboardMode);

  EXPECT_EQ(0, MenuExF10Disable(1));
  TapKey(VK_F10);
  test::PumpMessagesFor(30);
  EXPECT_EQ(first_.child.get(), GetFocus());
  EXPECT_EQ(0, MenuTracking().barKeyboardMode);
  EXPECT_GE(keyMenus, 1) << "a disabled F10 is the window's";
  Alt();
  EXPECT_EQ(first_.bar.get(), GetFocus()) << "Alt still enters";
  Alt();
}

TEST_F(MenuBarKeys, AnotherKeyMarksTheBar) {
  Alt();
  ASSERT_EQ(1, MenuTracking().barKeyboardMode);
  TapKey('S');
  EXPECT_EQ(-2, MenuTracking().barKeyboardMode);
  Alt();
  EXPECT_EQ(first_.child.get(), GetFocus());
}

// With two windows carrying bars, Alt enters the bar of the window in use.
TEST_F(MenuBarKeys, TwoWindowsEachEnterTheirOwnBar) {
  BarWindow second(500);
  test::ShowAndRaise(second.top);
  SetFocus(second.child);
  test::PumpMessages();
  Alt();
  EXPECT_EQ(second.bar.get(), GetFocus());
  EXPECT_EQ(0, HotItem(second.bar));
  EXPECT_EQ(-1, HotItem(first_.bar));
  EXPECT_EQ(second.top.get(), GetActiveWindow());
  Alt();
  EXPECT_EQ(second.child.get(), GetFocus());

  // A window without a bar: Alt does nothing.
  test::TestWindow plain(test::RegisterTestWindowClass(L"KelvraMenuKeysHost", HostProc), WS_OVERLAPPEDWINDOW, 300,
                         300, 200, 100);
  test::ShowAndRaise(plain);
  keyMenus = 0;
  Alt();
  EXPECT_EQ(1, keyMenus) << "Alt is the window's";
  EXPECT_EQ(0, MenuTracking().barKeyboardMode);
  EXPECT_EQ(-1, HotItem(second.bar));
}

}  // namespace
}  // namespace kelvra
