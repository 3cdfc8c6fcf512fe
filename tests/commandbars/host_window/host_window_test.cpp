// The host-window procedure: subclassing once, the window's own procedure first
// with its answer kept or replaced, records dropped with their windows, the
// frame's sizing, setting changes, activation of menu bars and colour repaints.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "commandbars/commandbar_globals.h"
#include "commandbars/host_window/host_window.h"
#include "commandbars/host_window/host_window_record.h"
#include "commandbars/menu_ex_font.h"
#include "commandbars/menu_ex_record.h"
#include "core/library/library_globals.h"
#include "core/text/font_loading.h"
#include "tests/commandbars/host_window/host_window_test_support.h"
#include "tests/commandbars/toolbar/toolbar_test_support.h"

namespace {

using namespace kelvra;
using namespace kelvra::test;

class HostWindow : public testing::Test {
 protected:
  void SetUp() override { EnsureHostTestsStarted(); }
  void TearDown() override { FreeToolBarEx(-1); }
};

TEST_F(HostWindow, OwnProcedureFirstAndTheResultTable) {
  CountingHost host;
  ASSERT_NE(CreateToolBarEx(-1, host, 16, 16, 0), 0);
  ASSERT_EQ(ProcedureOf(host), HostWindowProc);

  RECT sizing{0, 0, 500, 200};
  NMHDR unknown{ToolbarWindow(-1), 77, static_cast<UINT>(-12345)};
  MEASUREITEMSTRUCT measure{ODT_BUTTON, 5, 0, 0, 0, 0};
  DRAWITEMSTRUCT draw{};
  draw.CtlType = ODT_BUTTON;
  struct Case {
    const char* name;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    LRESULT expected;
  } cases[] = {
      {"WM_COMMAND", WM_COMMAND, MAKEWPARAM(3, BN_CLICKED), 0, kOwnAnswer},
      {"WM_THEMECHANGED", WM_THEMECHANGED, 0, 0, kOwnAnswer},
      {"WM_DWMCOMPOSITIONCHANGED", WM_DWMCOMPOSITIONCHANGED, 0, 0, kOwnAnswer},
      {"WM_ACTIVATE", WM_ACTIVATE, WA_ACTIVE, 0, 0},
      {"WM_SIZING", WM_SIZING, WMSZ_RIGHT, reinterpret_cast<LPARAM>(&sizing), kOwnAnswer},
      {"WM_EXITSIZEMOVE", WM_EXITSIZEMOVE, 0, 0, kOwnAnswer},
      {"WM_SIZE", WM_SIZE, SIZE_RESTORED, MAKELPARAM(500, 200), 0},
      {"WM_SETTINGCHANGE 42", WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, 0, 0},
      {"WM_SETTINGCHANGE 0x1025", WM_SETTINGCHANGE, SPI_SETDROPSHADOW, 0, kOwnAnswer},
      {"WM_SETTINGCHANGE 0", WM_SETTINGCHANGE, 0, 0, kOwnAnswer},
      {"WM_NOTIFY unknown", WM_NOTIFY, 77, reinterpret_cast<LPARAM>(&unknown), kOwnAnswer},
      {"WM_NOTIFY without header", WM_NOTIFY, 77, 0, kOwnAnswer},
      {"WM_MEASUREITEM", WM_MEASUREITEM, 5, reinterpret_cast<LPARAM>(&measure), kOwnAnswer},
      {"WM_DRAWITEM", WM_DRAWITEM, 5, reinterpret_cast<LPARAM>(&draw), kOwnAnswer},
      {"WM_USER", WM_USER, 1, 2, kOwnAnswer},
  };
  for (const Case& c : cases) {
    OwnLog() = {};
    EXPECT_EQ(SendMessageW(host, c.message, c.wParam, c.lParam), c.expected) << c.name;
    EXPECT_EQ(OwnLog().counts[c.message], 1) << c.name;
    EXPECT_EQ(OwnLog().counts.size(), 1u) << c.name;
  }
}

TEST_F(HostWindow, SubclassedOnceWithClippedChildren) {
  CountingHost host;
  SetWindowLongPtrW(host, GWL_STYLE, GetWindowLongPtrW(host, GWL_STYLE) & ~WS_CLIPCHILDREN);
  const size_t before = HostWindows().Size();
  ASSERT_NE(CreateToolBarEx(-1, host, 16, 16, 0), 0);
  const WNDPROC afterFirst = ProcedureOf(host);
  ASSERT_NE(CreateToolBarEx(-1, host, 16, 16, 0), 0);
  Icons icons;
  const HMENU menu = CreatePopupMenu();
  ASSERT_NE(ToolBarDropdownImageButtonEx(41, static_cast<int>(reinterpret_cast<intptr_t>(menu)), L"drop",
                                         icons.Make(16, kRed), nullptr, nullptr, 0),
            0);
  SubclassHostWindow(host);
  EXPECT_EQ(HostWindows().Size(), before + 1);
  EXPECT_EQ(afterFirst, HostWindowProc);
  EXPECT_EQ(ProcedureOf(host), HostWindowProc);
  EXPECT_TRUE(GetWindowLongPtrW(host, GWL_STYLE) & WS_CLIPCHILDREN);
  EXPECT_EQ(SendMessageW(host, WM_USER, 0, 0), kOwnAnswer);
  EXPECT_EQ(OwnLog().counts[WM_USER], 1);

  // What is no window of this thread's making gets no record.
  TestWindow gone(PlainWindowClass(), WS_POPUP, 0, 0, 10, 10);
  const HWND destroyed = gone.get();
  DestroyWindow(gone.release());
  for (HWND bad : {HWND{}, destroyed, reinterpret_cast<HWND>(static_cast<intptr_t>(-1)), GetDesktopWindow()}) {
    SubclassHostWindow(bad);
    EXPECT_FALSE(HostWindows().Contains(bad));
  }
  EXPECT_EQ(HostWindows().Size(), before + 1);
  FreeToolBarEx(-1);
  DestroyMenu(menu);
}

TEST_F(HostWindow, DestroyedHostLeavesNoRecord) {
  const size_t before = HostWindows().Size();
  HWND window = nullptr;
  {
    CountingHost host;
    window = host;
    ASSERT_NE(CreateToolBarEx(-1, host, 16, 16, 0), 0);
    EXPECT_TRUE(HostWindows().Contains(window));
    FreeToolBarEx(-1);
  }
  EXPECT_FALSE(IsWindow(window));
  EXPECT_FALSE(HostWindows().Contains(window));
  EXPECT_EQ(HostWindows().Size(), before);
}

TEST_F(HostWindow, ToolbarsOnChildrenComposedWhileTheFrameIsSized) {
  CountingHost host;
  TestWindow child(PlainWindowClass(), WS_CHILD | WS_VISIBLE, 0, 40, 400, 60, host);
  const HWND direct = ToolbarWindow(CreateToolBarEx(-1, host, 16, 16, 0));
  const HWND grandchild = ToolbarWindow(CreateToolBarEx(-1, child, 16, 16, 0));
  ASSERT_TRUE(direct && grandchild);
  ToolBarButtonEx(7, L"seven", 0);
  auto composited = [](HWND window) { return (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_COMPOSITED) != 0; };
  bool sawComposited = true;
  OwnLog().onMessage = [&](HWND, UINT message) {
    if (message == WM_SIZING) sawComposited = composited(grandchild);
  };
  RECT rect{0, 0, 520, 200};
  SendMessageW(host, WM_SIZING, WMSZ_RIGHT, reinterpret_cast<LPARAM>(&rect));
  EXPECT_FALSE(sawComposited) << "the window's own procedure comes first";
  EXPECT_TRUE(composited(grandchild));
  EXPECT_FALSE(composited(direct));
  EXPECT_EQ(CommandBarState().settings.hostSizingFlag, -1);
  SendMessageW(host, WM_SIZING, WMSZ_RIGHT, reinterpret_cast<LPARAM>(&rect));
  EXPECT_TRUE(composited(grandchild));

  SendMessageW(host, WM_EXITSIZEMOVE, 0, 0);
  EXPECT_FALSE(composited(grandchild));
  EXPECT_FALSE(composited(direct));
  EXPECT_FALSE(HasUpdateRegion(grandchild));
  EXPECT_EQ(CommandBarState().settings.hostSizingFlag, 0);
}

LOGFONTW FontOf(HFONT font) {
  LOGFONTW logFont{};
  GetObjectW(font, sizeof(logFont), &logFont);
  return logFont;
}

TEST_F(HostWindow, MenuFontFollowsTheSystemUnlessTheApplicationChoseOne) {
  CountingHost host;
  ASSERT_NE(CreateToolBarEx(-1, host, 16, 16, 0), 0);
  const HFONT first = MenuExFont();
  ASSERT_NE(first, nullptr);
  LOGFONTW system{};
  ASSERT_TRUE(ReadSystemMenuFont(system));

  EXPECT_EQ(SendMessageW(host, WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, 0), 0);
  const HFONT renewed = MenuExFont();
  ASSERT_NE(renewed, nullptr);
  EXPECT_NE(renewed, first);
  EXPECT_EQ(GetObjectType(first), 0u) << "the old font is deleted";
  const LOGFONTW made = FontOf(renewed);
  EXPECT_EQ(made.lfHeight, system.lfHeight);
  EXPECT_EQ(made.lfWeight, system.lfWeight);
  EXPECT_STREQ(made.lfFaceName, system.lfFaceName);

  LOGFONTW chosen = system;
  chosen.lfHeight = -23;
  const HFONT application = CreateFontIndirectW(&chosen);
  ReplaceMenuExFont(application);
  EXPECT_EQ(SendMessageW(host, WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, 0), 0);
  EXPECT_EQ(MenuExFont(), application) << "a font the application chose stays";
  EXPECT_EQ(FontOf(MenuExFont()).lfHeight, -23);

  FreeMenuExFont();
  EnsureMenuExFont();
}

TEST_F(HostWindow, DropShadowSettingReadAgain) {
  CountingHost host;
  ASSERT_NE(CreateToolBarEx(-1, host, 16, 16, 0), 0);
  BOOL system = FALSE;
  ASSERT_TRUE(SystemParametersInfoW(SPI_GETDROPSHADOW, 0, &system, 0));
  Globals().dropShadowSetting = system ? FALSE : TRUE;
  EXPECT_EQ(SendMessageW(host, WM_SETTINGCHANGE, SPI_SETDROPSHADOW, 0), kOwnAnswer);
  EXPECT_EQ(Globals().dropShadowSetting, system);
}

TEST_F(HostWindow, MenuBarsOfTheHostShowItsActivation) {
  CountingHost host;
  CountingHost other;
  const HWND bar = ToolbarWindow(CreateToolBarEx(-1, host, 16, 16, 0));
  const HWND otherBar = ToolbarWindow(CreateToolBarEx(-1, other, 16, 16, 0));
  ASSERT_TRUE(bar && otherBar);
  // Two titles of one bar on the host and a title of a bar on the other window.
  auto title = [](HWND owner, HWND barWindow) {
    auto record = std::make_unique<MenuExRecord>();
    record->kind = MenuExKind::Title;
    record->ownerWindow = owner;
    record->window = barWindow;
    return MenuExList().Append(std::move(record));
  };
  MenuExRecord* first = title(host, bar);
  MenuExRecord* second = title(host, bar);
  MenuExRecord* elsewhere = title(other, otherBar);

  ShowAndRaise(host);
  PumpMessages();
  UpdateWindow(bar);
  ASSERT_FALSE(HasUpdateRegion(bar));
  SetForegroundWindow(other);
  EXPECT_TRUE(PumpUntil([&] { return first->windowInactive == 0xFF; }, 3000));
  EXPECT_EQ(second->windowInactive, 0xFF);
  EXPECT_EQ(elsewhere->windowInactive, 0);

  SetForegroundWindow(host);
  EXPECT_TRUE(PumpUntil([&] { return first->windowInactive == 0; }, 3000));
  EXPECT_EQ(second->windowInactive, 0);
  // Sent by hand: the bar is invalidated (painting waits for the pump).
  SendMessageW(host, WM_ACTIVATE, WA_INACTIVE, 0);
  EXPECT_EQ(first->windowInactive, 0xFF);
  EXPECT_TRUE(HasUpdateRegion(bar));
  EXPECT_FALSE(HasUpdateRegion(otherBar));

  for (MenuExRecord* record : {first, second, elsewhere}) MenuExList().Remove(record);
}

TEST_F(HostWindow, ColourChangeRepaintsEveryHostAtOnce) {
  CountingHost host;
  CountingHost second;
  const HWND toolbar = ToolbarWindow(CreateToolBarEx(-1, host, 16, 16, 0));
  ASSERT_NE(CreateToolBarEx(-1, second, 16, 16, 0), 0);
  ToolBarButtonEx(3, L"three", 0);
  PumpMessages();
  const int colour = GetUIColour(UISTYLE_OFFICE2003, 0, 0);
  for (HWND window : {static_cast<HWND>(host), static_cast<HWND>(second), toolbar})
    InvalidateRect(window, nullptr, TRUE);
  ASSERT_EQ(SetUIColour(UISTYLE_OFFICE2003, 0, colour ^ 0x10, 0, 0), 1);
  for (HWND window : {static_cast<HWND>(host), static_cast<HWND>(second), toolbar})
    EXPECT_FALSE(HasUpdateRegion(window));
  SetUIColour(UISTYLE_OFFICE2003, 0, colour, 0, 1);
}

}  // namespace
