// The running page animations and one frame's work over them: move every window
// in one batch, then fade each page and tell its grandparent.
#include "core/animation/page_animation_list.h"

#include <algorithm>

#include "core/library/library_messages.h"
#include "core/windows/windows_moved_together.h"
#include "panels/panels_seam.h"

namespace kelvra {

void PageAnimationList::Merge(const PageAnimation& request) {
  const PageAnimationMotion motion = StartPageAnimationMotion(request.current, request.target);
  for (Entry& entry : entries_) {
    if (entry.window == request.window) {
      entry.motion = motion;
      return;
    }
  }
  entries_.push_back(Entry{request.window, motion});
}

void PageAnimationList::RunFrame(const std::atomic<bool>& stop) {
  DropDestroyedWindows();
  if (entries_.empty()) return;
  for (Entry& entry : entries_) StepPageAnimation(entry.motion);
  // The batch's end waits on the windows' own thread too.
  if (stop.load()) return;
  MoveWindows();
  if (!Notify(stop)) return;
  entries_.erase(std::remove_if(entries_.begin(), entries_.end(), [](const Entry& e) { return e.motion.finished; }),
                 entries_.end());
}

void PageAnimationList::DropDestroyedWindows() {
  entries_.erase(std::remove_if(entries_.begin(), entries_.end(), [](const Entry& e) { return !IsWindow(e.window); }),
                 entries_.end());
}

void PageAnimationList::MoveWindows() {
  moves_.clear();
  for (const Entry& entry : entries_) {
    const AnimationWindowBox box = FrameWindowBox(entry.motion);
    moves_.push_back(WindowMove{entry.window, box.x, box.y, box.width, box.height});
  }
  MoveWindowsTogether(moves_, SWP_NOREDRAW);
  // The user-interface thread may have destroyed a window meanwhile: it hears no
  // more of this frame.
  DropDestroyedWindows();
}

bool PageAnimationList::Notify(const std::atomic<bool>& stop) {
  for (const Entry& entry : entries_) {
    // Each of these waits on the user-interface thread (the panel lock, or a sent
    // message): once the library is ending, none is started.
    if (stop.load()) return false;
    SetPanelExPageAlpha(entry.window, 0, FrameAlpha(entry.motion), true);
    HWND grandparent = GetParent(GetParent(entry.window));
    if (!grandparent) continue;
    if (stop.load()) return false;
    SendMessageW(grandparent, WM_SIZE, 0, 0);
    if (stop.load()) return false;
    SendMessageW(grandparent, PageAnimationStepMessage, 0, 0);
  }
  return true;
}

}  // namespace kelvra
