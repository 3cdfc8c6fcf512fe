// Kelvra_End step 6: the windows the creation hook subclassed get their own
// procedures back.
#include "core/windows/common_subclass_proc.h"
#include "core/library/reentrant_lock.h"
#include "core/library/subsystem_steps.h"
#include "core/windows/window_map.h"

namespace kelvra::steps {

void RestoreWindowMapProcedures() {
  LockGuard guard(Locks().windowMap);
  if (!guard) return;
  GetWindowMap().RemoveIf([](const WindowMapEntry& entry) {
    if (!IsWindow(entry.window)) return true;
    // An entry made by LimitWindowSize alone never subclassed its window: there
    // is nothing to put back, and installing 0 would crash the window.
    if (!entry.savedProcedure) return true;
    // The application subclassed the window after us: its procedure stays, and
    // ours stays in its chain, so the entry must stay to pass messages on.
    return RestoreOwnProcedure(entry.window, entry.savedProcedure);
  });
}

}  // namespace kelvra::steps
