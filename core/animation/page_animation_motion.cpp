// Frame arithmetic of page animations and the frame clock.
#include "core/animation/page_animation_motion.h"

#include <cmath>

namespace kelvra {

namespace {

float Clamp(float value, float low, float high) { return value < low ? low : (value > high ? high : value); }

AnimationBox ToBox(const int32_t r[4]) {
  return {static_cast<float>(r[0]), static_cast<float>(r[1]), static_cast<float>(r[2]), static_cast<float>(r[3])};
}

// Alpha after covering part of the distance: fully faded in at the target when
// growing, fully faded out when shrinking. Each animation keeps its own starting
// distance, so an overlapping request cannot push another's alpha out of range;
// a zero distance has nothing to fade over.
float FadeAlpha(const PageAnimationMotion& m, float remaining, bool growing) {
  if (m.startDistance <= 0.0f) return growing ? 255.0f : 0.0f;
  const float left = Clamp(remaining * 255.0f / m.startDistance, 0.0f, 255.0f);
  return growing ? 255.0f - left : left;
}

}  // namespace

PageAnimationMotion StartPageAnimationMotion(const int32_t current[4], const int32_t target[4]) {
  PageAnimationMotion m;
  m.current = ToBox(current);
  m.target = ToBox(target);
  m.startDistance = std::fabs(m.current.bottom - m.target.bottom);
  m.step = 2.0f;
  m.alpha = 0.0f;
  m.finished = false;
  return m;
}

void StepPageAnimation(PageAnimationMotion& m) {
  if (m.finished) return;
  float& bottom = m.current.bottom;
  const float target = m.target.bottom;
  // A target equal to the rectangle counts as shrinking: it ends at once, faded out.
  const bool growing = bottom < target;
  if (growing) {
    bottom += m.step;
    if (bottom >= target) {
      bottom = target;
      m.finished = true;
    }
  } else {
    bottom -= m.step;
    if (bottom <= target) {
      bottom = target;
      m.finished = true;
    }
  }
  const float remaining = std::fabs(bottom - target);
  m.alpha = m.finished ? (growing ? 255.0f : 0.0f) : FadeAlpha(m, remaining, growing);
  m.step = remaining / 8.0f;
  if (m.step < 1.0f) m.step = 1.0f;
}

AnimationWindowBox FrameWindowBox(const PageAnimationMotion& m) {
  const AnimationBox& b = m.current;
  // A request whose edges cross would ask for a negative size: none is a window's.
  const float width = b.right - b.left, height = b.bottom - b.top;
  return {static_cast<int32_t>(std::trunc(b.left)), static_cast<int32_t>(std::trunc(b.top)),
          width > 0 ? static_cast<int32_t>(std::trunc(width)) : 0,
          height > 0 ? static_cast<int32_t>(std::trunc(height)) : 0};
}

int32_t FrameAlpha(const PageAnimationMotion& m) {
  return static_cast<int32_t>(std::lround(Clamp(m.alpha, 0.0f, 255.0f)));
}

void FrameClock::Start(int64_t now, int64_t frequency) {
  frequency_ = frequency > 0 ? frequency : 1;
  ticksPerFrame_ = static_cast<int64_t>(std::llround(static_cast<double>(frequency_) / kFramesPerSecond));
  if (ticksPerFrame_ < 1) ticksPerFrame_ = 1;
  next_ = now;
  running_ = true;
}

uint32_t FrameClock::MillisecondsUntilDue(int64_t now) const {
  if (!running_ || now >= next_) return 0;
  const int64_t ticks = next_ - now;
  return static_cast<uint32_t>((ticks * 1000 + frequency_ - 1) / frequency_);
}

void FrameClock::FrameDone(int64_t now) {
  next_ += ticksPerFrame_;
  if (next_ < now) next_ = now + ticksPerFrame_;
}

}  // namespace kelvra
