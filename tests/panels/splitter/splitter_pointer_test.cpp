// Splitters under the real pointer: hover announced to the top-level window
// (which sees no mouse moves meanwhile), drags with exactly one start and one
// end wherever the release lands, click-to-snap, a repeated press, and drags
// ended by freeing the splitter or by another window taking the capture.
// Moves the real pointer (run alone: variants.cmake).
#include <gtest/gtest.h>

#include <vector>

#include "core/library/library_messages.h"
#include "tests/panels/splitter/splitter_test_support.h"

namespace {

using namespace kelvra;
using namespace kelvra::test;

class SplitterPointer : public SplittersOnScreen {
 protected:
  void SetUp() override {
    SplittersOnScreen::SetUp();
    ParentRecorder() = Recorder{};
    ParentRecorder().watched = {SplitterHoverMessage, SplitterDragStartMessage, SplitterDragEndMessage,
                                WM_MOUSEMOVE};
  }
  void TearDown() override {
    if (GetKeyState(VK_LBUTTON) & 0x8000) ReleaseLeftButton();
    SplittersOnScreen::TearDown();
    ParentRecorder() = Recorder{};
  }

  static std::vector<Seen> Of(UINT message) { return ParentRecorder().Of(message); }
  static size_t Count(UINT message) { return Of(message).size(); }
  // Waits (bounded) until `count` messages of the kind have arrived.
  static bool WaitFor(UINT message, size_t count) {
    return PumpUntil([&] { return Count(message) >= count; }, 3000);
  }
  static void Settle() { PumpMessagesFor(50); }

  // The bar's centre on the screen.
  static POINT BarCentre(int splitter) {
    RECT bar{};
    GetWindowRect(BarOf(splitter), &bar);
    return POINT{(bar.left + bar.right) / 2, (bar.top + bar.bottom) / 2};
  }
  static bool WaitBarAt(int splitter, int start) {
    return PumpUntil([&] { return BarStart(splitter) == start; }, 3000);
  }
  // A point of the bar page's client area as a mouse message's lParam.
  static LPARAM InBarPage(int splitter, POINT screen) {
    ScreenToClient(BarPageOf(splitter), &screen);
    return MAKELPARAM(screen.x, screen.y);
  }

  // Press on the bar's centre, move by `dx` in steps, release.
  void Drag(int splitter, int dx) {
    POINT at = BarCentre(splitter);
    MovePointerTo(at);
    PressLeftButton();
    for (int step = 1; step <= 4; ++step) MovePointerTo(POINT{at.x + dx * step / 4, at.y});
    ReleaseLeftButton();
    Settle();
  }
};

TEST_F(SplitterPointer, HoverIsAnnouncedToTheTopLevelWindow) {
  const int s = Make();
  MovePointerTo(BarCentre(s));
  ASSERT_TRUE(WaitFor(SplitterHoverMessage, 1));
  EXPECT_EQ(Splitter(s)->visualState, kSplitterHot);
  MovePointerAway();
  ASSERT_TRUE(WaitFor(SplitterHoverMessage, 2));  // the leave comes from a timer
  const auto hover = Of(SplitterHoverMessage);
  ASSERT_EQ(hover.size(), 2u);
  for (const Seen& seen : hover) {
    EXPECT_EQ(seen.window, host_);
    EXPECT_EQ(seen.wParam, reinterpret_cast<WPARAM>(BarPageOf(s)));
  }
  EXPECT_EQ(hover[0].lParam, 1);
  EXPECT_EQ(hover[1].lParam, 0);
  EXPECT_EQ(Splitter(s)->visualState, kSplitterNormal);
}

// The top-level window sees no mouse move while the pointer is over a bar, and
// sees them again once that splitter is freed under the pointer.
TEST_F(SplitterPointer, TopLevelMovesPauseOverTheBarOnly) {
  const int s = Make();
  const POINT centre = BarCentre(s);
  MovePointerTo(centre);
  ASSERT_TRUE(WaitFor(SplitterHoverMessage, 1));
  ParentRecorder().seen.clear();
  for (int dy = 1; dy <= 5; ++dy) MovePointerTo(POINT{centre.x, centre.y + dy * 3});
  Settle();
  EXPECT_EQ(Count(WM_MOUSEMOVE), 0u);

  ASSERT_EQ(FreeSplitterEx(s), 1);
  for (int dy = 1; dy <= 3; ++dy) MovePointerTo(POINT{centre.x + dy, centre.y});
  EXPECT_TRUE(WaitFor(WM_MOUSEMOVE, 1));
}

TEST_F(SplitterPointer, EveryDragEndsOnce) {
  struct Case {
    const char* what;
    int flags;
    int code, limit;  // a limit set first (code 0: none)
    int dx;
    int barStart;  // where the bar ends up
  } cases[] = {
      {"released on the bar", 0, 0, 0, 50, 248},
      {"released off the bar at a limit", 0, 4, 220, 100, 220},
      {"with a snap mode, released off the bar", 0x20000, 4, 220, 100, 220},
      {"with a snap mode, released on the bar", 0x20000, 0, 0, -60, 138},
      {"stopped by the first minimum", 0x80000, 2, 150, -120, 150},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ParentRecorder().seen.clear();
    const int s = Make(0, c.flags);
    if (c.code) SetSplitterExAttribute(s, c.code, c.limit);
    const HWND barPage = BarPageOf(s);
    const LPARAM pressed = InBarPage(s, BarCentre(s));
    Drag(s, c.dx);
    EXPECT_TRUE(WaitBarAt(s, c.barStart)) << BarStart(s);
    ASSERT_TRUE(WaitFor(SplitterDragEndMessage, 1));
    Settle();
    const auto starts = Of(SplitterDragStartMessage), ends = Of(SplitterDragEndMessage);
    ASSERT_EQ(starts.size(), 1u);
    ASSERT_EQ(ends.size(), 1u);
    EXPECT_EQ(starts[0].wParam, reinterpret_cast<WPARAM>(barPage));
    EXPECT_EQ(ends[0].wParam, reinterpret_cast<WPARAM>(barPage));
    EXPECT_EQ(starts[0].lParam, pressed);
    EXPECT_EQ(CaptureAfterInput(), nullptr);
    EXPECT_EQ(SplitterExFamily().layout.hook, nullptr);
    // A drag remembers where it ended for the next click.
    if (c.flags) {
      EXPECT_EQ(GetSplitterExAttribute(s, 1024), c.flags == 0x20000 ? c.barStart : 400 - c.barStart - 5);
    }
    FreeSplitterEx(s);
    MovePointerAway();
  }
}

TEST_F(SplitterPointer, ClickToSnapAndBack) {
  struct Case {
    int mode, code, limit;
    int snappedAt;
  } cases[] = {
      {0x20000, 2, 60, 60},               // the first gadget at its minimum
      {0x80000, 8, 60, 400 - 60 - 5},     // the second gadget at its minimum
      {0x20000, 0, 0, 0},                 // no minimum: all the way
  };
  for (const Case& c : cases) {
    const int s = Make();
    SetSplitterExAttribute(s, 2048, c.mode);
    if (c.code) SetSplitterExAttribute(s, c.code, c.limit);
    ASSERT_EQ(BarStart(s), 198);
    MovePointerTo(BarCentre(s));
    ClickLeftButton();
    EXPECT_TRUE(WaitBarAt(s, c.snappedAt)) << std::hex << c.mode << std::dec << " at " << BarStart(s);
    EXPECT_TRUE(Splitter(s)->snapped);
    // The second click, on the bar where it is now, brings it back.
    MovePointerTo(BarCentre(s));
    ClickLeftButton();
    EXPECT_TRUE(WaitBarAt(s, 198)) << BarStart(s);
    EXPECT_FALSE(Splitter(s)->snapped);
    FreeSplitterEx(s);
    MovePointerAway();
  }
}

// A press where the last one was starts nothing, and its release ends nothing
// and leaves the snap state alone.
TEST_F(SplitterPointer, ASecondPressAtTheSamePlaceStartsNothing) {
  const int s = Make(0, 0x20000);
  SetSplitterExAttribute(s, 2, 30);
  const POINT at = BarCentre(s);
  MovePointerTo(POINT{at.x, at.y - 20});
  ClickLeftButton();  // snaps to 30
  ASSERT_TRUE(WaitBarAt(s, 30));
  ASSERT_TRUE(WaitFor(SplitterDragEndMessage, 1));
  // Put the bar back under the same x, and press there again.
  SetSplitterExAttribute(s, 512, 198);
  ParentRecorder().seen.clear();
  MovePointerTo(POINT{at.x, at.y + 20});
  ClickLeftButton();
  Settle();
  EXPECT_EQ(Count(SplitterDragStartMessage), 0u);
  EXPECT_EQ(Count(SplitterDragEndMessage), 0u);
  EXPECT_EQ(BarStart(s), 198);
  EXPECT_EQ(CaptureAfterInput(), nullptr);
  // The next press, remembered as none, drags again.
  ClickLeftButton();
  EXPECT_TRUE(WaitFor(SplitterDragEndMessage, 1));
  EXPECT_EQ(Count(SplitterDragStartMessage), 1u);
}

// The remembered press belongs to its splitter: another splitter pressed at the
// same x drags.
TEST_F(SplitterPointer, EachSplitterHasItsOwnPressPoint) {
  auto third = MakeGadget(), fourth = MakeGadget();
  const int upper = Make(0, 0, 400, 150);
  const int lower = SplitterEx(host_, -1, 0, 200, 400, 150, *third, *fourth, nullptr, 0);
  ASSERT_TRUE(upper && lower);
  MovePointerTo(BarCentre(upper));
  ClickLeftButton();
  ASSERT_TRUE(WaitFor(SplitterDragEndMessage, 1));
  ParentRecorder().seen.clear();
  ASSERT_EQ(BarCentre(lower).x, BarCentre(upper).x);
  Drag(lower, 40);
  EXPECT_TRUE(WaitBarAt(lower, 238)) << BarStart(lower);
  ASSERT_TRUE(WaitFor(SplitterDragEndMessage, 1));
  const auto starts = Of(SplitterDragStartMessage);
  ASSERT_EQ(starts.size(), 1u);
  EXPECT_EQ(starts[0].wParam, reinterpret_cast<WPARAM>(BarPageOf(lower)));
  FreeSplitterEx(lower);
}

// Freeing a splitter in the middle of its drag ends the drag: one end, no hook
// left behind, no capture, and later moves touch nothing.
TEST_F(SplitterPointer, FreedMidDrag) {
  const int s = Make();
  auto gadget = MakeGadget();
  const int other = SplitterEx(host_, -1, 0, 310, 400, 80, *gadget, nullptr, nullptr, 0);
  const POINT at = BarCentre(s);
  MovePointerTo(at);
  PressLeftButton();
  MovePointerTo(POINT{at.x + 20, at.y});
  ASSERT_TRUE(WaitBarAt(s, 218));
  ASSERT_EQ(FreeSplitterEx(s), 1);
  EXPECT_EQ(SplitterExFamily().layout.hook, nullptr);
  const int otherStart = BarStart(other);
  MovePointerTo(POINT{at.x + 60, at.y});
  MovePointerTo(POINT{at.x + 80, at.y + 120});
  EXPECT_EQ(CaptureAfterInput(), nullptr);
  EXPECT_EQ(BarStart(other), otherStart);
  ReleaseLeftButton();
  Settle();
  EXPECT_EQ(Count(SplitterDragStartMessage), 1u);
  EXPECT_EQ(Count(SplitterDragEndMessage), 1u);
}

// Another window taking the capture ends the drag, with one end message.
TEST_F(SplitterPointer, CaptureTakenMidDrag) {
  const int s = Make();
  const POINT at = BarCentre(s);
  MovePointerTo(at);
  PressLeftButton();
  MovePointerTo(POINT{at.x + 20, at.y});
  ASSERT_TRUE(WaitBarAt(s, 218));
  SetCapture(host_);
  ASSERT_TRUE(WaitFor(SplitterDragEndMessage, 1));
  EXPECT_EQ(SplitterExFamily().layout.hook, nullptr);
  MovePointerTo(POINT{at.x + 60, at.y});
  Settle();
  EXPECT_EQ(BarStart(s), 218);
  ReleaseCapture();
  ReleaseLeftButton();
  Settle();
  EXPECT_EQ(Count(SplitterDragStartMessage), 1u);
  EXPECT_EQ(Count(SplitterDragEndMessage), 1u);
}

}  // namespace
