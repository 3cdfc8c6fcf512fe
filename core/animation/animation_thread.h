// The library's animation thread and its mailbox window. Its two messages are
// with the library's other private messages, core/library/library_messages.h.
#pragma once

#include <windows.h>

namespace kelvra {

constexpr DWORD AnimationThreadExitCode = 1337;

// Starts the thread (StartKelvra); returns false when it could not be created.
bool StartAnimationThread();
// Kelvra_End step 1: asks the thread to end and waits about one second for it.
// Under the loader lock the thread cannot finish exiting, so then the wait is for
// the thread to leave the library's code instead. Returns true when it ended.
bool StopAnimationThread(bool underLoaderLock);

}  // namespace kelvra
