// Page animation frames and the frame clock, without windows.
#include <gtest/gtest.h>

#include <vector>

#include "core/animation/page_animation_motion.h"

namespace kelvra {
namespace {

PageAnimationMotion Motion(int32_t bottom, int32_t targetBottom) {
  const int32_t current[4] = {10, 20, 110, bottom};
  const int32_t target[4] = {10, 20, 110, targetBottom};
  return StartPageAnimationMotion(current, target);
}

// Every frame of a motion until it finishes (bounded, in case it never does).
std::vector<PageAnimationMotion> Frames(PageAnimationMotion m) {
  std::vector<PageAnimationMotion> frames;
  while (!m.finished && frames.size() < 10000) {
    StepPageAnimation(m);
    frames.push_back(m);
  }
  return frames;
}

TEST(PageAnimationMotion, GrowingHundredPixels) {
  const auto frames = Frames(Motion(120, 220));
  ASSERT_GE(frames.size(), 3u);
  EXPECT_FLOAT_EQ(122.0f, frames[0].current.bottom) << "the first frame moves 2";
  EXPECT_FLOAT_EQ(12.25f, frames[0].step) << "then an eighth of the 98 left";
  EXPECT_FLOAT_EQ(134.25f, frames[1].current.bottom);
  float last = 120.0f, lastAlpha = 0.0f;
  for (size_t i = 0; i < frames.size(); ++i) {
    SCOPED_TRACE(i);
    const auto& f = frames[i];
    EXPECT_GE(f.current.bottom - last, i + 1 < frames.size() ? 1.0f : 0.0f) << "never less than a pixel";
    EXPECT_GE(f.alpha, lastAlpha);
    EXPECT_LE(f.alpha, 255.0f);
    EXPECT_FLOAT_EQ(10.0f, f.current.left);
    EXPECT_FLOAT_EQ(20.0f, f.current.top);
    EXPECT_FLOAT_EQ(110.0f, f.current.right);
    last = f.current.bottom;
    lastAlpha = f.alpha;
  }
  EXPECT_EQ(220.0f, frames.back().current.bottom) << "lands exactly";
  EXPECT_EQ(255, FrameAlpha(frames.back()));
  EXPECT_TRUE(frames.back().finished);
  // Frame 1's alpha: 255 - 98 * 255 / 100.
  EXPECT_EQ(5, FrameAlpha(frames[0]));
  const AnimationWindowBox box = FrameWindowBox(frames[1]);
  EXPECT_EQ(10, box.x);
  EXPECT_EQ(20, box.y);
  EXPECT_EQ(100, box.width);
  EXPECT_EQ(114, box.height) << "134.25 - 20 cut toward zero";
}

TEST(PageAnimationMotion, ShrinkingLandsFadedOut) {
  const auto frames = Frames(Motion(220, 20));
  ASSERT_FALSE(frames.empty());
  EXPECT_FLOAT_EQ(218.0f, frames[0].current.bottom);
  EXPECT_EQ(20.0f, frames.back().current.bottom);
  EXPECT_EQ(0, FrameAlpha(frames.back()));
  EXPECT_EQ(0, FrameWindowBox(frames.back()).height);
  for (size_t i = 1; i < frames.size(); ++i) EXPECT_LE(frames[i].alpha, frames[i - 1].alpha);
}

TEST(PageAnimationMotion, TargetEqualToTheRectangleEndsAtOnceFadedOut) {
  PageAnimationMotion m = Motion(120, 120);
  StepPageAnimation(m);  // a zero distance must not divide by zero
  EXPECT_TRUE(m.finished);
  EXPECT_EQ(120.0f, m.current.bottom);
  EXPECT_EQ(0, FrameAlpha(m));
  StepPageAnimation(m);
  EXPECT_EQ(120.0f, m.current.bottom) << "a finished motion stays put";
}

TEST(PageAnimationMotion, EachAnimationFadesOverItsOwnDistance) {
  // A long and a short animation running together each keep their own starting
  // distance, so both alphas stay within 0..255 on every frame.
  PageAnimationMotion longOne = Motion(0, 1000);
  PageAnimationMotion shortOne = Motion(500, 497);
  for (int frame = 0; frame < 200; ++frame) {
    StepPageAnimation(longOne);
    StepPageAnimation(shortOne);
    EXPECT_GE(longOne.alpha, 0.0f);
    EXPECT_LE(longOne.alpha, 255.0f);
    EXPECT_GE(shortOne.alpha, 0.0f);
    EXPECT_LE(shortOne.alpha, 255.0f);
  }
  EXPECT_TRUE(longOne.finished && shortOne.finished);
}

TEST(PageAnimationMotion, CrossedEdgesGiveNoNegativeSize) {
  const int32_t current[4] = {50, 100, 10, 80};
  const int32_t target[4] = {50, 100, 10, 60};
  PageAnimationMotion m = StartPageAnimationMotion(current, target);
  StepPageAnimation(m);
  const AnimationWindowBox box = FrameWindowBox(m);
  EXPECT_EQ(0, box.width);
  EXPECT_EQ(0, box.height);
}

TEST(FrameClock, PacesSixtyFramesAndDropsLateOnes) {
  constexpr int64_t kFrequency = 10'000'000;  // a 10 MHz counter
  FrameClock clock;
  EXPECT_FALSE(clock.Running());
  EXPECT_FALSE(clock.Due(0));
  clock.Start(1000, kFrequency);
  EXPECT_EQ(166667, clock.TicksPerFrame());
  EXPECT_TRUE(clock.Due(1000)) << "the first frame is due at once";
  EXPECT_EQ(0u, clock.MillisecondsUntilDue(1000));
  clock.FrameDone(1500);
  EXPECT_EQ(1000 + 166667, clock.NextFrame());
  EXPECT_FALSE(clock.Due(1500));
  EXPECT_EQ(17u, clock.MillisecondsUntilDue(1000)) << "16.67 ms rounded up: never wake early";
  EXPECT_EQ(1u, clock.MillisecondsUntilDue(clock.NextFrame() - 1));
  // A stall of ten frames: the next frame is one period after now, not ten
  // frames queued up behind it.
  const int64_t late = clock.NextFrame() + 10 * 166667;
  clock.FrameDone(late);
  EXPECT_EQ(late + 166667, clock.NextFrame());
  clock.Stop();
  EXPECT_FALSE(clock.Due(late * 2));
}

}  // namespace
}  // namespace kelvra
