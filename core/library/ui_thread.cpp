// Which thread is the user-interface thread.
#include "core/library/ui_thread.h"

#include "core/library/library_globals.h"

namespace kelvra {

bool OnUserInterfaceThread() noexcept {
  const DWORD uiThread = Globals().hookThreadId;
  return !uiThread || uiThread == GetCurrentThreadId();
}

}  // namespace kelvra
