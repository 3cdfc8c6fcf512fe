// The running page animations and one frame's work over them: move every window
// in one batch, then fade each page and tell its grandparent.
#include "core/animation/page_animation_list.h"

#include <algorithm>

#include "core/library/library_messages.h"
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
  // DeferWindowPos naming a window that no longer exists returns NULL and the
  // whole batch is lost. Windows were checked just now, but the user-interface
  // thread may destroy one meanwhile: then check again and batch once more, and
  // should that fail too, move the survivors one by one.
  for (int attempt = 0; attempt < 2; ++attempt) {
    HDWP batch = BeginDeferWindowPos(static_cast<int>(entries_.size()));
    for (const Entry& entry : entries_) {
      if (!batch) break;
      const AnimationWindowBox box = FrameWindowBox(entry.motion);
      batch = DeferWindowPos(batch, entry.window, nullptr, box.x, box.y, box.width, box.height, SWP_NOREDRAW);
    }
    if (batch && EndDeferWindowPos(batch)) return;
    DropDestroyedWindows();
  }
  for (const Entry& entry : entries_) {
    const AnimationWindowBox box = FrameWindowBox(entry.motion);
    SetWindowPos(entry.window, nullptr, box.x, box.y, box.width, box.height, SWP_NOREDRAW);
  }
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
