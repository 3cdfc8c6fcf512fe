// The user-interface thread: the thread that installed the creation hook
// (StartKelvra's, or the first that made a menu or toolbar). Registries that only
// it may touch say so in their headers and assert it in debug builds.
#pragma once

#include <cassert>

namespace kelvra {

// True on the user-interface thread, and on any thread while none is known yet
// (before StartKelvra, or after Kelvra_End).
bool OnUserInterfaceThread() noexcept;

inline void AssertUserInterfaceThread() noexcept { assert(OnUserInterfaceThread()); }

}  // namespace kelvra
