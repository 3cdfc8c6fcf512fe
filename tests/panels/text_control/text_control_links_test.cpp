// Links of a text control, driven by messages sent to its page as the window
// system would send them: the hot link and what the parent of the control's panel
// is told, hit-testing against the renderer's rectangles under every alignment,
// links that must not outlive their text, and repaints only when the hot link
// changes. (The pointer stays away from the windows, so no leave notice comes on
// its own: the tests send it.)
#include <gtest/gtest.h>

#include "core/library/library_messages.h"
#include "tests/panels/text_control/text_control_test_support.h"

namespace {

using namespace kelvra::test;
using kelvra::TextControlExLink;
using kelvra::TextControlExRecord;
using kelvra::TextLinkClickedMessage;
using kelvra::TextLinkHotMessage;

class TextLinks : public testing::Test {
 protected:
  void SetUp() override {
    EnsureStarted();
    SetCursorPos(900, 700);
    ParentRecorder().watched = {TextLinkHotMessage, TextLinkClickedMessage};
    CallbackRecorder().watched = {TextLinkHotMessage, TextLinkClickedMessage};
  }
  void TearDown() override {
    FreeTextControlEx(-1);
    FreePanelEx(-1);
    SetTextControlExLinePadding(-1, 0);
    ParentRecorder() = Recorder{};
    CallbackRecorder() = Recorder{};
  }

  static void Send(int control, UINT message, int x, int y) {
    SendMessageW(PageOf(control), message, message == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(x, y));
    PumpMessages();
  }
  static void Move(int control, POINT at) { Send(control, WM_MOUSEMOVE, at.x, at.y); }
  static void Leave(int control) { Send(control, WM_MOUSELEAVE, 0, 0); }
  static void Press(int control, POINT at) { Send(control, WM_LBUTTONDOWN, at.x, at.y); }

  // The wParams of a message that reached the host since the last call.
  static std::vector<int> Posted(UINT message) {
    PumpMessages();
    std::vector<int> numbers;
    for (const Seen& seen : ParentRecorder().Of(message)) numbers.push_back(static_cast<int>(seen.wParam));
    return numbers;
  }
  static std::vector<int> TakePosted(UINT message) {
    auto numbers = Posted(message);
    ParentRecorder().seen.clear();
    return numbers;
  }
  static std::vector<TextControlExLink> Links(int control) {
    return WithControl(control, [](const TextControlExRecord& r) { return r.links; });
  }
  static int HotNumber(int control) {
    return WithControl(control, [](const TextControlExRecord& r) { return r.hotNumber; });
  }
  static POINT Centre(const TextControlExLink& link) {
    return POINT{(link.left + link.right) / 2, (link.top + link.bottom) / 2};
  }
};

using Numbers = std::vector<int>;

TEST_F(TextLinks, OnePostPerChangeOfTheHotLinkAndAClickWhileHot) {
  const int control = TextControlEx(Host(), -1, 10, 10, 0, 0, L"Press \\l7Open|OPEN\\l now", 0);
  PaintOnce(control);
  auto links = Links(control);
  ASSERT_EQ(links.size(), 1u);
  const TextControlExLink open = links[0];
  EXPECT_EQ(open.number, 7);

  Move(control, POINT{open.left, open.top});
  Move(control, Centre(open));
  Move(control, POINT{open.right, open.bottom});
  EXPECT_EQ(TakePosted(TextLinkHotMessage), Numbers{7}) << "once, however it moves within the link";
  const intptr_t hand = reinterpret_cast<intptr_t>(kelvra::Globals().handCursor);
  EXPECT_EQ(WithPage(PageOf(control), [](const auto& p) { return p.cursor; }), hand);

  // The next paint shows the hot text, and the link is as wide as it.
  PaintOnce(control);
  links = Links(control);
  ASSERT_EQ(links.size(), 1u);
  EXPECT_EQ(links[0].right - links[0].left, MeasureMarkup(L"OPEN", DefaultTextFont()).cx);
  EXPECT_GT(links[0].right - links[0].left, open.right - open.left);

  Press(control, Centre(open));
  EXPECT_EQ(TakePosted(TextLinkClickedMessage), Numbers{7});
  Move(control, POINT{1, 1});
  EXPECT_EQ(TakePosted(TextLinkHotMessage), Numbers{-1});
  EXPECT_EQ(WithPage(PageOf(control), [](const auto& p) { return p.cursor; }), 0) << "the arrow again";
  Press(control, POINT{1, 1});
  EXPECT_EQ(Posted(TextLinkClickedMessage), Numbers{});

  PaintOnce(control);
  Move(control, Centre(open));
  Leave(control);
  Leave(control);  // a second notice finds nothing pending
  EXPECT_EQ(TakePosted(TextLinkHotMessage), (Numbers{7, -1}));
  Press(control, Centre(open));
  EXPECT_EQ(Posted(TextLinkClickedMessage), Numbers{}) << "nothing is hot after the leave";
}

TEST_F(TextLinks, ReportsReachAnOuterPageWhenTheControlSitsOnOne) {
  const int outer = CreatePanelEx(-1, Host(), 0, 0, 300, 200, RecordingCallback);
  const HWND outerPage = AddPanelExPage(-1);
  ASSERT_NE(outer, 0);
  const int control = TextControlEx(outerPage, -1, 10, 10, 0, 0, L"\\l3nested\\l", 0);
  PaintOnce(control);
  const TextControlExLink link = Links(control).at(0);
  Move(control, Centre(link));
  Press(control, Centre(link));
  Leave(control);
  EXPECT_EQ(TakePosted(TextLinkHotMessage), (Numbers{3, -1})) << "sent on by the outer page to its panel's parent";
  const auto atCallback = CallbackRecorder().seen;
  ASSERT_EQ(atCallback.size(), 3u);
  for (const Seen& seen : atCallback) EXPECT_EQ(seen.window, outerPage);
  EXPECT_EQ(atCallback[1].message, TextLinkClickedMessage);
  EXPECT_EQ(atCallback[1].wParam, 3u);
  EXPECT_EQ(atCallback[1].lParam, 0);
}

TEST_F(TextLinks, HitTestingFollowsTheRenderersRectanglesUnderEveryAlignment) {
  const std::wstring text = L"\\l1one\\l and \\l2two\\l\\|\\l3three\\l";
  SetTextControlExLinePadding(-1, 4);
  constexpr int W = 300, H = 80, pl = 5, pt = 3, pr = 7, pb = 2;
  std::vector<TextControlExLink> measured;
  int first = TextControlEx(Host(), -1, 0, 0, W, H, text.c_str(), 0);  // makes the default font
  FreeTextControlEx(first);
  const SIZE block = MeasureMarkup(text, DefaultTextFont(), 4, &measured);
  ASSERT_EQ(measured.size(), 3u);
  ASSERT_EQ(measured[2].top, measured[0].bottom + 4) << "the second line sits one line height plus 4 lower";

  struct Case {
    int style;
    POINT origin;  // where the block goes
  } cases[] = {
      {0, {pl, pt}},
      {0x10, {pl + (W - pl - pr) / 2 - block.cx / 2, pt}},
      {0x40, {W - pr - block.cx, pt}},
      {0x30, {pl + (W - pl - pr) / 2 - block.cx / 2, pt + (H - pt - pb) / 2 - block.cy / 2}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "style 0x" << std::hex << c.style);
    const int control = TextControlEx(Host(), -1, 0, 0, W, H, text.c_str(), c.style);
    SetTextControlExPadding(control, pl, pt, pr, pb);
    PaintOnce(control);
    const auto links = Links(control);
    ASSERT_EQ(links.size(), 3u);
    for (size_t i = 0; i < links.size(); ++i) {
      const TextControlExLink& at = links[i];
      EXPECT_EQ(at.left, measured[i].left + c.origin.x);
      EXPECT_EQ(at.top, measured[i].top + c.origin.y);
      EXPECT_EQ(at.right - at.left, measured[i].right - measured[i].left);
      EXPECT_EQ(at.bottom - at.top, measured[i].bottom - measured[i].top);
      const POINT mid = Centre(at);
      const struct {
        POINT point;
        int hot;
      } probes[] = {
          {{at.left, mid.y}, at.number},  {{at.right, mid.y}, at.number},    {{mid.x, at.top}, at.number},
          {{mid.x, at.bottom}, at.number}, {{at.left - 1, mid.y}, -1},        {{at.right + 1, mid.y}, -1},
          {{mid.x, at.top - 1}, -1},       {{mid.x, at.bottom + 1}, -1},
      };
      for (const auto& probe : probes) {
        Move(control, probe.point);
        EXPECT_EQ(HotNumber(control), probe.hot) << "link " << at.number << " at " << probe.point.x << ","
                                                 << probe.point.y;
      }
    }
    // Between the two links of the first line.
    Move(control, POINT{(links[0].right + links[1].left) / 2, Centre(links[0]).y});
    EXPECT_EQ(HotNumber(control), -1);
    FreeTextControlEx(control);
  }
}

TEST_F(TextLinks, AHotLinkGoesWithItsTextOrStyle) {
  const int control = TextControlEx(Host(), -1, 10, 10, 0, 0, L"\\l7Open|OPEN\\l and more", 0);
  PaintOnce(control);
  const TextControlExLink open = Links(control).at(0);
  Move(control, Centre(open));
  ASSERT_EQ(TakePosted(TextLinkHotMessage), Numbers{7});

  // Plain text: the hot link is dropped at once and the next paint finds no links.
  ASSERT_EQ(SetTextControlExStyle(control, 0x200000), 1);
  EXPECT_EQ(TakePosted(TextLinkHotMessage), Numbers{-1});
  Press(control, Centre(open));
  EXPECT_EQ(Posted(TextLinkClickedMessage), Numbers{});
  PaintOnce(control);
  EXPECT_TRUE(Links(control).empty());
  Move(control, POINT{open.left + 1, open.top + 1});
  EXPECT_EQ(HotNumber(control), -1);
  EXPECT_EQ(Posted(TextLinkHotMessage), Numbers{});

  // New text: a press before the next move reports nothing.
  ASSERT_EQ(SetTextControlExStyle(control, 0), 1);
  PaintOnce(control);
  Move(control, Centre(open));
  ASSERT_EQ(TakePosted(TextLinkHotMessage), Numbers{7});
  ASSERT_EQ(SetTextControlExText(control, L"no links here any more"), 1);
  EXPECT_EQ(TakePosted(TextLinkHotMessage), Numbers{-1});
  Press(control, Centre(open));
  EXPECT_EQ(Posted(TextLinkClickedMessage), Numbers{});
  EXPECT_EQ(WithPage(PageOf(control), [](const auto& p) { return p.cursor; }), 0);
}

// Counts the WM_PAINT messages a page receives.
int gPaints = 0;
WNDPROC gPageProcedure = nullptr;
LRESULT CALLBACK CountingPage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) ++gPaints;
  return CallWindowProcW(gPageProcedure, window, message, wParam, lParam);
}

TEST_F(TextLinks, OnlyAChangeOfTheHotLinkRepaints) {
  const int control = TextControlEx(Host(), -1, 10, 10, 0, 0, L"a \\l1first\\l b \\l2second\\l", 0);
  const HWND page = PageOf(control);
  UpdateWindow(Host());
  PaintOnce(control);
  const auto links = Links(control);
  ASSERT_EQ(links.size(), 2u);
  gPageProcedure = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(page, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountingPage)));
  gPaints = 0;
  Move(control, POINT{links[0].left, links[0].top});
  const int afterEntering = gPaints;
  EXPECT_GE(afterEntering, 1);
  for (int x = links[0].left + 1; x <= links[0].right; x += 3) Move(control, POINT{x, links[0].top + 1});
  EXPECT_EQ(gPaints, afterEntering) << "moves that keep the hot link";
  Move(control, Centre(links[1]));
  EXPECT_GT(gPaints, afterEntering);
  SetWindowLongPtrW(page, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(gPageProcedure));
}

}  // namespace
