// Text controls under the real pointer: the hot link, its hand cursor and hot
// text, the leave notice that the window system sends when the pointer goes, a
// press, two controls side by side, and a control freed while its link is hot.
#include <gtest/gtest.h>

#include "core/library/library_messages.h"
#include "tests/panels/text_control/text_control_test_support.h"
#include "tests/support/pointer_input.h"
#include "tests/support/screen_pixels.h"

namespace {

using namespace kelvra::test;
using kelvra::TextControlExLink;
using kelvra::TextLinkClickedMessage;
using kelvra::TextLinkHotMessage;

using Numbers = std::vector<int>;

class TextPointer : public testing::Test {
 protected:
  void SetUp() override {
    EnsureStarted();
    ShowAndRaise(Host());
    MovePointerAway();
    ParentRecorder().watched = {TextLinkHotMessage, TextLinkClickedMessage};
    CallbackRecorder().watched = {TextLinkHotMessage, TextLinkClickedMessage};
  }
  void TearDown() override {
    MovePointerAway();
    PumpMessagesFor(150);  // a leave notice still on its way
    FreeTextControlEx(-1);
    FreePanelEx(-1);
    ParentRecorder() = Recorder{};
    CallbackRecorder() = Recorder{};
  }

  // A control shown and painted by its page, so its links are where they are drawn.
  static int Show(HWND parent, int x, int y, const wchar_t* text) {
    const int control = TextControlEx(parent, -1, x, y, 0, 0, text, 0);
    RefreshPanelEx(AsKey(ControlWindow(control)));
    return control;
  }
  static TextControlExLink Link(int control, size_t index = 0) {
    return WithControl(control, [&](const kelvra::TextControlExRecord& r) { return r.links.at(index); });
  }
  static POINT Centre(const TextControlExLink& link) {
    return POINT{(link.left + link.right) / 2, (link.top + link.bottom) / 2};
  }
  static bool OverLink(int control, POINT inLink) { return MovePointerTo(PageOf(control), inLink); }
  // Whether the screen shows `text` drawn from the control's top-left corner on
  // the host's background.
  static bool Shows(int control, const wchar_t* text) {
    const int width = TextControlExWidth(control), height = TextControlExHeight(control);
    Dib32 shown(width, height), expected(width, height);
    CaptureClientArea(PageOf(control), shown);
    const COLORREF ground = GetSysColor(COLOR_WINDOW);
    expected.Fill(0xFF000000 | (GetRValue(ground) << 16) | (GetGValue(ground) << 8) | GetBValue(ground));
    SetTextColor(expected.dc(), 0);
    RECT box{0, 0, width, height};
    kelvra::DrawFormattedText(expected.dc(), text, &box, DefaultTextFont(), kelvra::FormattedTextFlags::OwnRunHeight);
    return SameColours(shown, expected);
  }

  static Numbers Posted(UINT message) {
    PumpMessages();
    Numbers numbers;
    for (const Seen& seen : ParentRecorder().Of(message)) numbers.push_back(static_cast<int>(seen.wParam));
    return numbers;
  }
  // Waits for the posts of `message` to reach `count`.
  static Numbers WaitForPosts(UINT message, size_t count) {
    PumpUntil([&] { return ParentRecorder().Of(message).size() >= count; }, 1500);
    return Posted(message);
  }
};

TEST_F(TextPointer, HoverShowsTheHotTextAndHandLeaveAndPressReport) {
  const int control = Show(Host(), 20, 30, L"Press \\l7Open|OPEN\\l now");
  const TextControlExLink open = Link(control);
  EXPECT_TRUE(Shows(control, L"Press Open now"));
  ASSERT_TRUE(OverLink(control, POINT{open.left + 1, open.top + 1}));
  ASSERT_TRUE(OverLink(control, Centre(open)));
  ASSERT_TRUE(OverLink(control, POINT{open.right - 1, open.bottom - 1}));
  EXPECT_EQ(WaitForPosts(TextLinkHotMessage, 1), Numbers{7}) << "once, however it moves within the link";
  EXPECT_EQ(GetCursor(), kelvra::Globals().handCursor);
  const TextControlExLink hot = Link(control);
  EXPECT_EQ(hot.right - hot.left, MeasureMarkup(L"OPEN", DefaultTextFont()).cx) << "repainted with the hot text";
  EXPECT_TRUE(Shows(control, L"Press OPEN now"));

  ClickLeftButton();
  EXPECT_EQ(WaitForPosts(TextLinkClickedMessage, 1), Numbers{7});

  MovePointerAway();
  EXPECT_EQ(WaitForPosts(TextLinkHotMessage, 2), (Numbers{7, -1})) << "the leave notice";
  EXPECT_EQ(Link(control).right - Link(control).left, open.right - open.left) << "the normal text again";
  EXPECT_TRUE(Shows(control, L"Press Open now"));
  ClickLeftButton();
  EXPECT_EQ(Posted(TextLinkClickedMessage), Numbers{7});
}

TEST_F(TextPointer, ReportsReachTheOuterPageOfANestedControl) {
  const int outer = CreatePanelEx(-1, Host(), 0, 0, 400, 300, RecordingCallback);
  const HWND outerPage = AddPanelExPage(-1);
  ASSERT_NE(outer, 0);
  const int control = Show(outerPage, 50, 60, L"on a page: \\l4link\\l");
  ASSERT_TRUE(OverLink(control, Centre(Link(control))));
  ClickLeftButton();
  MovePointerAway();
  EXPECT_EQ(WaitForPosts(TextLinkHotMessage, 2), (Numbers{4, -1}));
  EXPECT_EQ(Posted(TextLinkClickedMessage), Numbers{4});
  size_t atOuterPage = 0;
  for (const Seen& seen : CallbackRecorder().seen) atOuterPage += seen.window == outerPage;
  EXPECT_EQ(atOuterPage, 3u);
}

TEST_F(TextPointer, SideBySideEachControlGetsItsLeave) {
  const int a = Show(Host(), 20, 100, L"\\l1AAAAAAAA\\l");
  const TextControlExLink linkA = Link(a);
  const int b = Show(Host(), 20 + TextControlExWidth(a), 100, L"\\l2BBBBBBBB\\l");
  ASSERT_TRUE(OverLink(a, Centre(linkA)));
  ASSERT_TRUE(OverLink(b, Centre(Link(b))));  // straight from A's link onto B's
  WaitForPosts(TextLinkHotMessage, 3);
  MovePointerAway();
  Numbers posts = WaitForPosts(TextLinkHotMessage, 4);
  EXPECT_EQ(std::count(posts.begin(), posts.end(), 1), 1);
  EXPECT_EQ(std::count(posts.begin(), posts.end(), 2), 1);
  EXPECT_EQ(std::count(posts.begin(), posts.end(), -1), 2) << "one leave each";
  EXPECT_EQ(posts.back(), -1);
}

TEST_F(TextPointer, AControlFreedWhileHotLeavesTheOthersTheirLeave) {
  const int a = Show(Host(), 20, 150, L"\\l1first\\l");
  const int b = Show(Host(), 20, 200, L"\\l2second\\l");
  ASSERT_TRUE(OverLink(a, Centre(Link(a))));
  ASSERT_EQ(WaitForPosts(TextLinkHotMessage, 1), Numbers{1});
  ASSERT_EQ(FreeTextControlEx(a), 1);
  ASSERT_TRUE(OverLink(b, Centre(Link(b))));
  ASSERT_EQ(WaitForPosts(TextLinkHotMessage, 2), (Numbers{1, 2}));
  EXPECT_EQ(GetCursor(), kelvra::Globals().handCursor);
  MovePointerAway();
  EXPECT_EQ(WaitForPosts(TextLinkHotMessage, 3), (Numbers{1, 2, -1}));
}

}  // namespace
