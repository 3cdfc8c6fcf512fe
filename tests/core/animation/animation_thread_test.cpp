// The animation thread moving real windows: frames as computed, one entry per
// window kept in place, destroyed windows dropped, bad requests ignored, and no
// processor time once idle. The test thread pumps: the thread's sends and window
// moves run here.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/animation/page_animation_motion.h"
#include "core/library/library_globals.h"
#include "kelvra.h"
#include "tests/core/animation/animation_fixture.h"

namespace kelvra::test {
namespace {

class AnimationThreadTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { StartKelvra(); }
  void SetUp() override {
    ASSERT_TRUE(PumpUntil([] { return Globals().animationMailbox != nullptr; }));
    AnimationEvents().clear();
    OnAnimationStep() = nullptr;
  }
  void TearDown() override { OnAnimationStep() = nullptr; }
};

// The heights the pure frame step gives for a motion from `height` to `targetHeight`.
std::vector<int> ComputedHeights(int height, int targetHeight) {
  std::vector<int> heights;
  for (const PageAnimationMotion& m : ComputedFrames(20, height, targetHeight)) heights.push_back(FrameWindowBox(m).height);
  return heights;
}

TEST_F(AnimationThreadTest, FramesFollowTheComputedSequence) {
  AnimatedStack s(100);
  std::vector<int> heights;
  OnAnimationStep() = [&](HWND gp) {
    if (gp == s.grandparent.get()) heights.push_back(s.Rect().bottom - s.Rect().top);
  };
  for (int targetHeight : {200, 0, 37}) {
    SCOPED_TRACE(targetHeight);
    const RECT before = s.Rect();
    const std::vector<int> expected = ComputedHeights(before.bottom - before.top, targetHeight);
    heights.clear();
    AnimationEvents().clear();
    ASSERT_TRUE(s.Animate(targetHeight));
    ASSERT_TRUE(PumpUntil([&] { return heights.size() >= expected.size(); }));
    PumpMessagesFor(100);  // and nothing after the last frame
    EXPECT_EQ(expected, heights);
    const RECT after = s.Rect();
    EXPECT_EQ(targetHeight, after.bottom - after.top) << "lands exactly";
    EXPECT_EQ(before.left, after.left);
    EXPECT_EQ(before.top, after.top);
    EXPECT_EQ(before.right, after.right);
    // Each frame: WM_SIZE, then the step message, to the grandparent.
    ASSERT_EQ(2 * expected.size(), AnimationEvents().size());
    for (size_t i = 0; i < AnimationEvents().size(); ++i)
      EXPECT_EQ(i % 2 ? PageAnimationStepMessage : static_cast<UINT>(WM_SIZE), AnimationEvents()[i].message);
  }
  ASSERT_GE(ComputedHeights(100, 200).size(), 2u);
  EXPECT_EQ(102, ComputedHeights(100, 200)[0]) << "2 pixels first";
  EXPECT_EQ(114, ComputedHeights(100, 200)[1]) << "then 12.25";
}

// The step messages of `a` and `b` in order, as "AB..." letters.
std::string StepOrder(HWND a, HWND b) {
  std::string order;
  for (const auto& e : AnimationEvents()) {
    if (e.message != PageAnimationStepMessage) continue;
    if (e.grandparent == a) order += 'A';
    if (e.grandparent == b) order += 'B';
  }
  return order;
}

// While both animate the frames alternate A, B; once one is done only the other.
bool AlternatesThenOne(const std::string& order) {
  size_t i = 0;
  while (i + 1 < order.size() && order[i] == 'A' && order[i + 1] == 'B') i += 2;
  return order.find_first_not_of(order.substr(i, 1), i) == std::string::npos;
}

TEST_F(AnimationThreadTest, SecondRequestForAWindowReplacesItInPlace) {
  AnimatedStack a(100), b(100), starter(100);
  int aSteps = 0;
  bool requested = false;
  OnAnimationStep() = [&](HWND gp) {
    // The thread waits in its send of this step until we return, so it cannot
    // take A's request from its mailbox before B's is there too: both start in
    // the same frame, whatever the load on the machine. Posted one after the
    // other from outside a frame, a busy machine could let the thread run A's
    // first frame alone.
    if (gp == starter.grandparent.get() && !requested) {
      requested = true;
      EXPECT_TRUE(a.Animate(900));
      EXPECT_TRUE(b.Animate(900));
    }
    if (gp == a.grandparent.get() && ++aSteps == 3) a.Animate(50);  // turn A round
  };
  ASSERT_TRUE(starter.Animate(101));  // one frame: 2 pixels are more than the distance
  ASSERT_TRUE(PumpUntil([&] {
    return a.Rect().bottom - a.Rect().top == 50 && b.Rect().bottom - b.Rect().top == 900;
  }));
  PumpMessagesFor(100);
  const std::string order = StepOrder(a.grandparent, b.grandparent);
  EXPECT_TRUE(AlternatesThenOne(order)) << order;
  EXPECT_EQ(50, a.Rect().bottom - a.Rect().top);
  EXPECT_EQ(900, b.Rect().bottom - b.Rect().top);
}

TEST_F(AnimationThreadTest, DestroyedWindowDoesNotStopTheOthers) {
  AnimatedStack a(100), b(100);
  int aSteps = 0;
  OnAnimationStep() = [&](HWND gp) {
    if (gp == a.grandparent.get() && ++aSteps == 3) DestroyWindow(a.animated.release());
  };
  ASSERT_TRUE(a.Animate(800));
  ASSERT_TRUE(b.Animate(800));
  const size_t expected = ComputedHeights(100, 800).size();
  EXPECT_TRUE(PumpUntil([&] { return b.StepsSeen() >= static_cast<int>(expected); }));
  PumpMessagesFor(100);
  EXPECT_EQ(static_cast<int>(expected), b.StepsSeen());
  EXPECT_EQ(800, b.Rect().bottom - b.Rect().top);
  EXPECT_EQ(3, a.StepsSeen()) << "a destroyed window's animation ends with it";
}

TEST_F(AnimationThreadTest, BadRequestsAreIgnored) {
  AnimatedStack s(100);
  HWND mailbox = Globals().animationMailbox;
  EXPECT_TRUE(PostMessageW(mailbox, AnimatePageMessage, 0, 0)) << "lParam 0";
  RECT r{0, 0, 10, 10}, t{0, 0, 10, 90};
  HWND gone = CreateWindowExW(0, PlainWindowClass(), L"", WS_CHILD, 0, 0, 10, 10, s.parent, nullptr, nullptr, nullptr);
  DestroyWindow(gone);
  EXPECT_TRUE(PostPageAnimation(gone, r, t)) << "a window destroyed before its first frame";
  EXPECT_TRUE(PostPageAnimation(nullptr, r, t));
  PumpMessagesFor(100);
  EXPECT_TRUE(AnimationEvents().empty());

  // The thread is still at work.
  ASSERT_TRUE(s.Animate(30));
  EXPECT_TRUE(PumpUntil([&] { return s.Rect().bottom - s.Rect().top == 30; }));
}

TEST_F(AnimationThreadTest, IdleThreadUsesNoProcessorTime) {
  HANDLE thread = Globals().animationThread;
  ASSERT_TRUE(thread);
  // Not pinned to one processor.
  DWORD_PTR processMask = 0, systemMask = 0;
  ASSERT_TRUE(GetProcessAffinityMask(GetCurrentProcess(), &processMask, &systemMask));
  const DWORD_PTR previous = SetThreadAffinityMask(thread, processMask);
  EXPECT_EQ(processMask, previous);

  AnimatedStack s(100);
  ASSERT_TRUE(s.Animate(300));
  ASSERT_TRUE(PumpUntil([&] { return s.Rect().bottom - s.Rect().top == 300; }));
  PumpMessagesFor(50);
  FILETIME created, exited, kernel1, user1, kernel2, user2;
  ASSERT_TRUE(GetThreadTimes(thread, &created, &exited, &kernel1, &user1));
  PumpMessagesFor(300);
  ASSERT_TRUE(GetThreadTimes(thread, &created, &exited, &kernel2, &user2));
  EXPECT_EQ(0, CompareFileTime(&kernel1, &kernel2));
  EXPECT_EQ(0, CompareFileTime(&user1, &user2));
}

}  // namespace
}  // namespace kelvra::test
