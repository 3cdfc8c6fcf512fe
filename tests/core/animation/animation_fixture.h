// Windows for animation tests: an animated window on a parent on a grandparent
// that records the WM_SIZE and PageAnimationStepMessage the thread sends it, and a
// pump that waits on a condition with a bound.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "core/animation/page_animation.h"
#include "core/animation/page_animation_motion.h"
#include "core/library/library_messages.h"
#include "tests/support/win_test_helpers.h"

namespace kelvra::test {

// Every frame the pure step gives for a window at (10, `top`), 100 wide, going
// from `height` to `targetHeight`: what the thread must deliver.
inline std::vector<PageAnimationMotion> ComputedFrames(int top, int height, int targetHeight) {
  const int32_t current[4] = {10, top, 110, top + height};
  const int32_t target[4] = {10, top, 110, top + targetHeight};
  PageAnimationMotion m = StartPageAnimationMotion(current, target);
  std::vector<PageAnimationMotion> frames;
  while (!m.finished) {
    StepPageAnimation(m);
    frames.push_back(m);
  }
  return frames;
}

struct AnimationEvent {
  HWND grandparent;
  UINT message;
};

// Every WM_SIZE (wParam 0, lParam 0) and step message the grandparents received,
// in order; `onStep` runs on each step message, on this thread.
inline std::vector<AnimationEvent>& AnimationEvents() {
  static std::vector<AnimationEvent> events;
  return events;
}
inline std::function<void(HWND grandparent)>& OnAnimationStep() {
  static std::function<void(HWND)> onStep;
  return onStep;
}

inline LRESULT CALLBACK RecordingGrandparentProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  if ((m == WM_SIZE && wp == 0 && lp == 0) || m == PageAnimationStepMessage) {
    AnimationEvents().push_back({w, m});
    if (m == PageAnimationStepMessage && OnAnimationStep()) OnAnimationStep()(w);
    return 0;
  }
  return DefWindowProcW(w, m, wp, lp);
}

inline const wchar_t* RecordingGrandparentClass() {
  static const wchar_t* name = RegisterTestWindowClass(L"KelvraAnimationGrandparent", RecordingGrandparentProc);
  return name;
}

// grandparent > parent > animated, the animated window at (10, 20), 100 wide and
// `height` high in its parent.
struct AnimatedStack {
  explicit AnimatedStack(int height = 100)
      : grandparent(RecordingGrandparentClass(), WS_POPUP, 0, 0, 400, 1000),
        parent(PlainWindowClass(), WS_CHILD | WS_VISIBLE, 0, 0, 400, 1000, grandparent),
        animated(PlainWindowClass(), WS_CHILD | WS_VISIBLE, 10, 20, 100, height, parent) {}
  RECT Rect() const {
    RECT r{};
    GetWindowRect(animated, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
  }
  bool Animate(int targetHeight) {
    const RECT current = Rect();
    RECT target = current;
    target.bottom = target.top + targetHeight;
    return PostPageAnimation(animated, current, target);
  }
  int StepsSeen() const {
    int n = 0;
    for (const auto& e : AnimationEvents())
      if (e.grandparent == grandparent.get() && e.message == PageAnimationStepMessage) ++n;
    return n;
  }
  TestWindow grandparent, parent, animated;
};

}  // namespace kelvra::test
