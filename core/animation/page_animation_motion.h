// How one page animation moves from frame to frame, and the clock that paces the
// frames: plain arithmetic over floats and counter ticks, no windows.
#pragma once

#include <cstdint>

namespace kelvra {

struct AnimationBox {
  float left = 0, top = 0, right = 0, bottom = 0;
};

// The thread's working state of one request. Only the bottom edge moves.
struct PageAnimationMotion {
  AnimationBox current;
  AnimationBox target;
  float step = 2.0f;            // pixels to move in the next frame
  float alpha = 0.0f;           // page alpha of the frame just computed, 0..255
  float startDistance = 0.0f;   // |current bottom - target bottom| when requested
  bool finished = false;
};

// A fresh motion from a request's integer rectangles {left, top, right, bottom}.
PageAnimationMotion StartPageAnimationMotion(const int32_t current[4], const int32_t target[4]);

// Computes the next frame: moves the bottom edge by the step toward the target,
// fades the alpha with the distance covered, lands exactly on the target, and
// takes one eighth of what remains (at least a pixel) as the next step.
void StepPageAnimation(PageAnimationMotion& motion);

struct AnimationWindowBox {
  int32_t x = 0, y = 0, width = 0, height = 0;
};
// Where the window goes for the current frame, each value cut toward zero.
AnimationWindowBox FrameWindowBox(const PageAnimationMotion& motion);
// The frame's page alpha rounded to the nearest integer, 0..255.
int32_t FrameAlpha(const PageAnimationMotion& motion);

// Paces frames on a counter of `frequency` ticks a second. Late frames are
// dropped rather than queued: after a stall the next frame is one period away.
class FrameClock {
 public:
  static constexpr double kFramesPerSecond = 60.0;

  bool Running() const { return running_; }
  // The first frame is due at once.
  void Start(int64_t now, int64_t frequency);
  void Stop() { running_ = false; }
  bool Due(int64_t now) const { return running_ && now >= next_; }
  // Whole milliseconds until the next frame, rounded up so a wait never wakes
  // early and spins; 0 when a frame is due or the clock is stopped.
  uint32_t MillisecondsUntilDue(int64_t now) const;
  // Called after a frame's work: schedules the next one.
  void FrameDone(int64_t now);

  int64_t TicksPerFrame() const { return ticksPerFrame_; }
  int64_t NextFrame() const { return next_; }

 private:
  bool running_ = false;
  int64_t frequency_ = 1;
  int64_t ticksPerFrame_ = 1;
  int64_t next_ = 0;
};

}  // namespace kelvra
