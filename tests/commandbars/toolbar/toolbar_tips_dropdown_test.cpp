// Tool-tip texts (shared per id across toolbars, answered only to our toolbars'
// tool tips, in both character widths), tool-tip delays, and drop-down buttons
// with their bindings.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commandbars/menu_ex_record.h"
#include "commandbars/toolbar/toolbar_host_messages.h"
#include "tests/commandbars/toolbar/toolbar_test_support.h"

namespace {

using namespace kelvra;
using namespace kelvra::test;

class ToolbarTips : public testing::Test {
 protected:
  void SetUp() override {
    EnsureToolbarTestsStarted();
    MovePointerAway();
  }
  void TearDown() override {
    FreeToolBarEx(-1);
    MovePointerAway();
  }
  static HWND TipOf(int toolbar) { return reinterpret_cast<HWND>(SendMessageW(ToolBarExID(toolbar), TB_GETTOOLTIPS, 0, 0)); }
  // The text a tool tip asking with TTN_GETDISPINFOW would get; "<none>" when unanswered.
  static std::wstring Ask(HWND from, int id) {
    NMTTDISPINFOW info{};
    info.hdr.hwndFrom = from;
    info.hdr.idFrom = static_cast<UINT_PTR>(id);
    info.hdr.code = TTN_GETDISPINFOW;
    if (!AnswerToolBarExToolTip(reinterpret_cast<LPARAM>(&info))) return L"<none>";
    return info.lpszText ? info.lpszText : L"<null>";
  }
  ToolbarHost host_;
};

TEST_F(ToolbarTips, TextsAnsweredToOurToolTipsOnly) {
  const int a = CreateToolBarEx(-1, host_, 0, 0, 0);
  const int id = ToolBarButtonEx(-1, L"a", 0);
  const int b = CreateToolBarEx(-1, host_, 0, 0, 0);
  InsertToolBarButtonEx(b, -1, id, L"b", 0);
  EXPECT_EQ(ToolBarExToolTip(a, id, L"Open"), 1);
  EXPECT_EQ(Ask(TipOf(a), id), L"Open");
  EXPECT_EQ(Ask(TipOf(b), id), L"Open") << "one text per id";
  EXPECT_EQ(Ask(TipOf(a), id + 1), L"<none>");
  // The host's own tool tip with a colliding id keeps its text.
  TestWindow own(TOOLTIPS_CLASSW, WS_POPUP, 0, 0, 0, 0, host_);
  EXPECT_EQ(Ask(own, id), L"<none>");
  EXPECT_EQ(ToolBarExToolTip(a, id, L"Open file"), 1);
  EXPECT_EQ(Ask(TipOf(b), id), L"Open file") << "the text replaced, not a second record";

  // The narrow form, sized by the conversion.
  EXPECT_EQ(ToolBarExToolTip(a, id, L"Gr\u00FC\u00DFe"), 1);
  NMTTDISPINFOA narrow{};
  narrow.hdr.hwndFrom = TipOf(a);
  narrow.hdr.idFrom = static_cast<UINT_PTR>(id);
  narrow.hdr.code = TTN_GETDISPINFOA;
  ASSERT_TRUE(AnswerToolBarExToolTip(reinterpret_cast<LPARAM>(&narrow)));
  char expected[32] = {};
  WideCharToMultiByte(CP_ACP, 0, L"Gr\u00FC\u00DFe", -1, expected, sizeof(expected), nullptr, nullptr);
  EXPECT_STREQ(narrow.lpszText, expected);

  // Removing or freeing one toolbar's button keeps the tip the other still shows.
  EXPECT_EQ(RemoveToolBarExButton(a, id, 0), 1);
  EXPECT_EQ(Ask(TipOf(b), id), L"Gr\u00FC\u00DFe");
  FreeToolBarEx(a);
  EXPECT_EQ(Ask(TipOf(b), id), L"Gr\u00FC\u00DFe");
  EXPECT_EQ(RemoveToolBarExButton(b, id, 0), 1);
  EXPECT_EQ(FindToolBarExToolTip(id), nullptr) << "gone with the last button of that id";
  EXPECT_EQ(RemoveToolBarExButton(b, id, 0), 0);
}

TEST_F(ToolbarTips, DelaysZeroLeavesOneAsItIs) {
  const int toolbar = CreateToolBarEx(-1, host_, 0, 0, 0);
  const HWND tip = TipOf(toolbar);
  const LRESULT autoPop = SendMessageW(tip, TTM_GETDELAYTIME, TTDT_AUTOPOP, 0);
  EXPECT_EQ(ToolBarExToolTipDelay(toolbar, 50, 0, 0), 1);
  EXPECT_EQ(SendMessageW(tip, TTM_GETDELAYTIME, TTDT_INITIAL, 0), 50);
  EXPECT_EQ(SendMessageW(tip, TTM_GETDELAYTIME, TTDT_AUTOPOP, 0), autoPop);
  EXPECT_EQ(ToolBarExToolTipDelay(toolbar, 0, 700, 30), 1);
  EXPECT_EQ(SendMessageW(tip, TTM_GETDELAYTIME, TTDT_INITIAL, 0), 50);
  EXPECT_EQ(SendMessageW(tip, TTM_GETDELAYTIME, TTDT_AUTOPOP, 0), 700);
  EXPECT_EQ(SendMessageW(tip, TTM_GETDELAYTIME, TTDT_RESHOW, 0), 30);
}

TEST_F(ToolbarTips, DropDownButtonsAndTheirBindings) {
  const int toolbar = CreateToolBarEx(-1, host_, 16, 16, 0);
  const HWND window = ToolBarExID(toolbar);
  HMENU menu = CreatePopupMenu();
  HMENU other = CreatePopupMenu();
  const int id = ToolBarDropdownImageButtonEx(-1, static_cast<int>(reinterpret_cast<intptr_t>(menu)), L"Drop", 0, 0,
                                              0, 0);
  ASSERT_NE(id, 0);
  TBBUTTONINFOW info = ButtonInfo(TBIF_STYLE);
  SendMessageW(window, TB_GETBUTTONINFOW, id, reinterpret_cast<LPARAM>(&info));
  EXPECT_NE(info.fsStyle & BTNS_DROPDOWN, 0);
  const int whole = ToolBarDropdownImageButtonEx(-1, 0, L"Whole", 0, 0, 0, BTNS_WHOLEDROPDOWN);
  SendMessageW(window, TB_GETBUTTONINFOW, whole, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.fsStyle & BTNS_DROPDOWN, 0) << "a whole drop-down gets no split arrow";

  const MenuExRecord* binding = FindMenuExBinding(window, id);
  ASSERT_NE(binding, nullptr);
  EXPECT_EQ(binding->menuHandle, menu);
  EXPECT_EQ(binding->boundRecord, kMenuExBoundUnknown) << "a plain menu is no MenuEx";
  EXPECT_EQ(binding->popupMarker, 0xFF);
  EXPECT_EQ(ToolBarExAttachDropdownMenu(toolbar, id, static_cast<int>(reinterpret_cast<intptr_t>(other))), 1);
  EXPECT_EQ(FindMenuExBinding(window, id)->menuHandle, other);
  EXPECT_EQ(ToolBarExAttachDropdownMenu(toolbar, id + 1000, 0), 0);

  // A real click on the arrow reaches the host as TBN_DROPDOWN for the button.
  RECT item{};
  SendMessageW(window, TB_GETITEMRECT, SendMessageW(window, TB_COMMANDTOINDEX, id, 0), reinterpret_cast<LPARAM>(&item));
  ASSERT_TRUE(MovePointerTo(window, POINT{item.right - 4, (item.top + item.bottom) / 2}));
  HostNotices().clear();
  ClickLeftButton();
  EXPECT_TRUE(PumpUntil([&] {
    for (const auto& notice : HostNotices())
      if (notice.code == static_cast<int>(TBN_DROPDOWN) && notice.id == id && notice.from == window) return true;
    return false;
  }, 3000));

  // The binding goes with its button; a button made again gets a binding of its own.
  EXPECT_EQ(RemoveToolBarExButton(toolbar, id, 0), 1);
  EXPECT_EQ(FindMenuExBinding(window, id), nullptr);
  EXPECT_EQ(ToolBarExAttachDropdownMenu(toolbar, id, 0), 0);
  EXPECT_EQ(ToolBarDropdownImageButtonEx(id, static_cast<int>(reinterpret_cast<intptr_t>(menu)), L"Again", 0, 0, 0, 0),
            id);
  EXPECT_EQ(FindMenuExBinding(window, id)->menuHandle, menu);
  FreeToolBarEx(toolbar);
  EXPECT_TRUE(MenuExList().Empty()) << "the toolbar's bindings go with it";
  DestroyMenu(menu);
  DestroyMenu(other);
}

int pageNotices = 0;
LRESULT CALLBACK CountingPanelCallback(HWND, UINT message, WPARAM, LPARAM lParam) {
  if (message == WM_NOTIFY && lParam) ++pageNotices;
  return 0;
}

// A toolbar on a panel page reports to the page: the panel's callback gets its
// notifications and the panel's parent does not.
TEST_F(ToolbarTips, ToolbarOnAPageReportsToThePanelCallback) {
  const int panel = CreatePanelEx(-1, host_, 0, 0, 400, 100, CountingPanelCallback);
  ASSERT_NE(panel, 0);
  const HWND page = AddPanelExPage(-1);
  ASSERT_NE(page, nullptr);
  const int toolbar = CreateToolBarEx(-1, page, 0, 0, 0);
  const HWND window = ToolBarExID(toolbar);
  ToolBarButtonEx(-1, L"on a page", 0);
  pageNotices = 0;
  std::vector<ToolbarNotice>().swap(HostNotices());
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);  // custom draw notices
  PumpMessages();
  EXPECT_GT(pageNotices, 0);
  for (const auto& notice : HostNotices()) EXPECT_NE(notice.from, window) << notice.code;
  FreeToolBarEx(toolbar);
  FreePanelEx(panel);
}

}  // namespace
