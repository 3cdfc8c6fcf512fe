// The animation thread's own list of running page animations, one per window,
// and the work of one frame over it. Used by the animation thread only.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstddef>
#include <vector>

#include "core/animation/page_animation.h"
#include "core/animation/page_animation_motion.h"
#include "core/windows/windows_moved_together.h"

namespace kelvra {

class PageAnimationList {
 public:
  // A request for a window already in the list replaces that entry in place
  // (same position, motion started afresh); any other is appended.
  void Merge(const PageAnimation& request);

  bool Empty() const { return entries_.empty(); }
  size_t Size() const { return entries_.size(); }

  // One frame: entries whose window is gone are dropped, every other window is
  // moved in one deferred batch, then, in list order, its page takes the frame's
  // alpha and its grandparent hears WM_SIZE and PageAnimationStepMessage; finished
  // entries leave the list. `stop` is read before each call that waits on another
  // thread: once it is set the frame ends where it is.
  void RunFrame(const std::atomic<bool>& stop);

 private:
  struct Entry {
    HWND window;
    PageAnimationMotion motion;
  };

  void DropDestroyedWindows();
  void MoveWindows();
  bool Notify(const std::atomic<bool>& stop);

  std::vector<Entry> entries_;
  std::vector<WindowMove> moves_;  // kept between frames: no allocation per frame
};

}  // namespace kelvra
