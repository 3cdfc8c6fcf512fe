// The PanelExCallback contract through the panel and page window procedures:
// which window each message comes with, what reaches the panel's parent, the
// repeat filter, and the panel's WM_SIZE after its pages were fitted.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/library/library_messages.h"
#include "tests/panels/panel/panel_test_support.h"

namespace {

using namespace kelvra::test;

class PanelCallback : public testing::Test {
 protected:
  void SetUp() override {
    EnsureStarted();
    number_ = CreatePanelEx(-1, Host(), 10, 20, 300, 150, RecordingCallback);
    panel_ = PanelExID(number_, -1);
    page_ = AddPanelExPage(-1);
    ASSERT_NE(page_, nullptr);
  }
  void TearDown() override {
    FreePanelEx(-1);
    CallbackRecorder() = Recorder{};
    ParentRecorder() = Recorder{};
  }
  // What the callback and the host saw of one message.
  std::vector<Seen> Callback(UINT message) const { return CallbackRecorder().Of(message); }
  std::vector<Seen> Parent(UINT message) const { return ParentRecorder().Of(message); }
  void Watch(std::vector<UINT> messages) {
    CallbackRecorder().watched = messages;
    ParentRecorder().watched = messages;
  }

  int number_ = 0;
  HWND panel_ = nullptr;
  HWND page_ = nullptr;
};

TEST_F(PanelCallback, SkinChangeComesWithThePanelThenThePage) {
  Watch({kelvra::SkinChangedMessage});
  // Delivered as the library delivers it: a direct call of the current procedure.
  auto procedure = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(page_, GWLP_WNDPROC));
  EXPECT_EQ(CallWindowProcW(procedure, page_, kelvra::SkinChangedMessage, 0, 123), 0);
  const auto seen = Callback(kelvra::SkinChangedMessage);
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].window, panel_);
  EXPECT_EQ(seen[1].window, page_);
  EXPECT_EQ(seen[1].lParam, 123);
}

TEST_F(PanelCallback, CommandComesWithThePanelAndReachesTheParentOnlyOnZero) {
  Watch({WM_COMMAND});
  ParentRecorder().answer = [](const Seen&) -> LRESULT { return 77; };
  EXPECT_EQ(SendMessageW(page_, WM_COMMAND, MAKEWPARAM(5, BN_CLICKED), 0), 77);
  ASSERT_EQ(Callback(WM_COMMAND).size(), 1u);
  EXPECT_EQ(Callback(WM_COMMAND)[0].window, panel_);
  EXPECT_EQ(Parent(WM_COMMAND).size(), 1u);

  CallbackRecorder().answer = [](const Seen&) -> LRESULT { return 9; };
  EXPECT_EQ(SendMessageW(page_, WM_COMMAND, MAKEWPARAM(5, BN_CLICKED), 0), 9);
  EXPECT_EQ(Callback(WM_COMMAND).size(), 2u);
  EXPECT_EQ(Parent(WM_COMMAND).size(), 1u);  // stopped at the callback
}

TEST_F(PanelCallback, ClicksReachCallbackAndParentInPageCoordinates) {
  Watch({WM_LBUTTONDOWN, WM_RBUTTONUP, WM_MOUSELEAVE});
  ParentRecorder().answer = [](const Seen&) -> LRESULT { return 3; };
  EXPECT_EQ(SendMessageW(page_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(12, 34)), 3);
  SendMessageW(page_, WM_RBUTTONUP, 0, MAKELPARAM(5, 6));
  SendMessageW(page_, WM_MOUSELEAVE, 0, 0);
  for (UINT message : {WM_LBUTTONDOWN, WM_RBUTTONUP, WM_MOUSELEAVE}) {
    ASSERT_EQ(Callback(message).size(), 1u) << message;
    ASSERT_EQ(Parent(message).size(), 1u) << message;
    EXPECT_EQ(Callback(message)[0].window, page_);
    EXPECT_EQ(Parent(message)[0].window, Host());
    EXPECT_EQ(Parent(message)[0].lParam, Callback(message)[0].lParam);
  }
  EXPECT_EQ(Parent(WM_LBUTTONDOWN)[0].lParam, MAKELPARAM(12, 34));
}

TEST_F(PanelCallback, RepeatedMovesReachTheCallbackOnce) {
  Watch({WM_MOUSEMOVE, WM_SETCURSOR});
  SendMessageW(page_, WM_MOUSEMOVE, 0, MAKELPARAM(0, 0));  // the first one passes, even at (0, 0)
  SendMessageW(page_, WM_MOUSEMOVE, 0, MAKELPARAM(0, 0));
  SendMessageW(page_, WM_MOUSEMOVE, 0, MAKELPARAM(1, 0));
  SendMessageW(page_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(1, 0));
  EXPECT_EQ(Callback(WM_MOUSEMOVE).size(), 3u);
  EXPECT_EQ(Parent(WM_MOUSEMOVE).size(), 4u);
  const LPARAM hit = MAKELPARAM(HTCLIENT, WM_MOUSEMOVE);
  SendMessageW(page_, WM_SETCURSOR, reinterpret_cast<WPARAM>(page_), hit);
  SendMessageW(page_, WM_SETCURSOR, reinterpret_cast<WPARAM>(page_), hit);
  EXPECT_EQ(Callback(WM_SETCURSOR).size(), 1u);
}

TEST_F(PanelCallback, ListViewNotificationsReachBoth) {
  Watch({WM_NOTIFY});
  const HWND list = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0, 100, 60, page_,
                                    reinterpret_cast<HMENU>(42), nullptr, nullptr);
  ASSERT_NE(list, nullptr);
  CallbackRecorder().seen.clear();
  ParentRecorder().seen.clear();
  NMHDR header{list, 42, NM_CLICK};
  SendMessageW(page_, WM_NOTIFY, 42, reinterpret_cast<LPARAM>(&header));
  ASSERT_EQ(Callback(WM_NOTIFY).size(), 1u);
  EXPECT_EQ(Callback(WM_NOTIFY)[0].window, page_);
  EXPECT_EQ(Parent(WM_NOTIFY).size(), 1u);
  // The panel's own notifications go to its parent.
  SendMessageW(panel_, WM_NOTIFY, 42, reinterpret_cast<LPARAM>(&header));
  EXPECT_EQ(Parent(WM_NOTIFY).size(), 2u);
  DestroyWindow(list);
}

TEST_F(PanelCallback, PanelSizeComesAfterEveryPageIsFitted) {
  const HWND hidden = AddPanelExPage(-1);
  std::vector<std::string> pageSizes;
  Watch({WM_SIZE});
  CallbackRecorder().onSeen = [&](const Seen& s) {
    if (s.message == WM_SIZE) pageSizes = {ClientText(page_), ClientText(hidden)};
  };
  MoveWindow(panel_, 10, 20, 200, 80, TRUE);
  ASSERT_EQ(Callback(WM_SIZE).size(), 1u);
  EXPECT_EQ(Callback(WM_SIZE)[0].window, panel_);
  EXPECT_EQ(pageSizes, (std::vector<std::string>{"0,0,200,80", "0,0,200,80"}));

  CallbackRecorder().answer = [](const Seen&) -> LRESULT { return 5; };
  EXPECT_EQ(SendMessageW(panel_, WM_SIZE, 0, MAKELPARAM(200, 80)), 5);
  CallbackRecorder().answer = nullptr;
  EXPECT_EQ(SendMessageW(panel_, WM_SIZE, 0, MAKELPARAM(200, 80)), 0);
}

TEST_F(PanelCallback, PanelAnswersOfItsOwn) {
  Watch({WM_WINDOWPOSCHANGING});
  WINDOWPOS pos{};
  EXPECT_EQ(SendMessageW(panel_, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos)), 0);
  ASSERT_EQ(Callback(WM_WINDOWPOSCHANGING).size(), 1u);
  EXPECT_EQ(Callback(WM_WINDOWPOSCHANGING)[0].window, panel_);
  CallbackRecorder().answer = [](const Seen&) -> LRESULT { return 8; };
  EXPECT_EQ(SendMessageW(panel_, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos)), 8);
  EXPECT_EQ(SendMessageW(panel_, WM_NCHITTEST, 0, 0), HTTRANSPARENT);
  EXPECT_EQ(SendMessageW(panel_, WM_ERASEBKGND, 0, 0), 1);
  // Without the page flag 0x8000 the page takes the mouse itself.
  EXPECT_EQ(SendMessageW(page_, WM_NCHITTEST, 0, MAKELPARAM(20, 30)), HTCLIENT);
  // Static controls on pages draw their own background until pages can paint.
  const HWND label = CreateWindowExW(0, L"STATIC", L"x", WS_CHILD | WS_VISIBLE, 0, 0, 20, 20, page_, nullptr,
                                     nullptr, nullptr);
  HDC dc = GetDC(label);
  EXPECT_NE(SendMessageW(page_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label)), 0);
  ReleaseDC(label, dc);
  DestroyWindow(label);
}

}  // namespace
