// The request block of a page animation, as posters fill it, and the library's
// own poster.
#pragma once

#include <windows.h>

#include <cstdint>

namespace kelvra {

// Posted with AnimatePageMessage (lParam) on the process heap; the animation
// thread owns the block once the post succeeded and frees it. The thread's
// fields need not be filled.
struct PageAnimation {
  HWND window;         // the panel window to animate; also the key of the request
  int32_t current[4];  // left, top, right, bottom in the parent's client coordinates
  int32_t target[4];
  float step;          // thread: pixels to move in the next frame
  float alpha;         // thread: page alpha of the current frame
  float currentF[4];   // thread: working copy of the current rectangle
  float targetF[4];    // thread: working copy of the target rectangle
  uint8_t finished;    // thread: 1 once the target is reached
};

// Asks the animation thread to move `window` from `current` to `target` (a
// request for a window already animating replaces that animation). Returns false
// when no animation thread runs or the post failed; the block is then freed here.
bool PostPageAnimation(HWND window, const RECT& current, const RECT& target);

}  // namespace kelvra
