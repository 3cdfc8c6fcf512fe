// Polling acquisition and holder-checked release of the library's locks.
#include "core/library/reentrant_lock.h"

namespace kelvra {

bool ReentrantLock::TryAcquire(DWORD timeoutMs) noexcept {
  const DWORD start = GetTickCount();
  for (unsigned spin = 0;; ++spin) {
    if (TryEnterCriticalSection(&section_)) {
      owner_ = GetCurrentThreadId();
      ++depth_;
      return true;
    }
    if (GetTickCount() - start >= timeoutMs) return false;
    // Yield first; sleep once contention lasts, so a waiting thread costs nothing.
    Sleep(spin < 16 ? 0 : 1);
  }
}

void ReentrantLock::Release() noexcept {
  if (owner_ != GetCurrentThreadId() || depth_ <= 0) return;
  if (--depth_ == 0) owner_ = 0;
  LeaveCriticalSection(&section_);
}

bool ReentrantLock::HeldByCurrentThread() const noexcept {
  return owner_ == GetCurrentThreadId() && depth_ > 0;
}

LibraryLocks& Locks() {
  // Built on first use, so any start order of the library's pieces finds them ready,
  // and never destroyed, so a lock is still valid while the process winds down.
  static LibraryLocks* locks = new LibraryLocks();
  return *locks;
}

}  // namespace kelvra
