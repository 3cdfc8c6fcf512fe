// A combo-box gadget's list opened and closed with the real pointer: its
// CBN_DROPDOWN and CBN_CLOSEUP reach the host window, whose procedure marks the
// hot-tracking button dropped down while the list is open.
#include <gtest/gtest.h>

#include "commandbars/toolbar/toolbar_record.h"
#include "commandbars/toolbar/toolbar_registry.h"
#include "tests/commandbars/host_window/host_window_test_support.h"

namespace {

using namespace kelvra;
using namespace kelvra::test;

TEST(HostWindowGadget, ListOpenShowsTheButtonDroppedDownUntilItCloses) {
  EnsureHostTestsStarted();
  MovePointerAway();
  for (const BYTE tracking : {BYTE{1}, BYTE{0}}) {
    CountingHost host(600, 220);
    const int toolbar = CreateToolBarEx(-1, host, 16, 16, UISTYLE_OFFICE2003);
    ASSERT_NE(toolbar, 0);
    SetToolBarExHeight(toolbar, 28);
    const HWND combo = CreateWindowExW(0, L"COMBOBOX", L"", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, 0, 0, 120, 150,
                                       host, nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"one"));
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"two"));
    ASSERT_NE(ToolBarExGadget(-1, combo, 0, 2, 0, 4, tracking), 0);
    const auto& buttons = ToolBarExButtonsWithGadget(combo);
    ASSERT_EQ(buttons.size(), 1u);
    const ToolBarExButtonRecord* button = buttons.front();
    PumpMessages();

    RECT client{};
    GetClientRect(combo, &client);
    ASSERT_TRUE(MovePointerTo(combo, POINT{client.right - 6, client.bottom / 2}));
    ClickLeftButton();
    ASSERT_TRUE(PumpUntil([&] { return SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) != 0; }, 3000)) << +tracking;
    EXPECT_EQ(OwnLog().counts[WM_COMMAND] > 0, true) << "CBN_DROPDOWN reached the host";
    EXPECT_EQ((button->buttonFlags & kToolBarExButtonDroppedDown) != 0, tracking != 0) << +tracking;

    MovePointerTo(host, POINT{590, 210});
    SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
    PumpMessagesFor(200);
    EXPECT_EQ(button->buttonFlags & (kToolBarExButtonDroppedDown | kToolBarExButtonHot), 0u) << +tracking;

    FreeToolBarEx(toolbar);
    DestroyWindow(combo);
    MovePointerAway();
  }
}

}  // namespace
