// The library's named locks: re-entrant critical sections taken by polling with a
// bound, so a stuck holder makes an operation fail instead of hanging the caller.
#pragma once

#include <windows.h>

namespace kelvra {

class ReentrantLock {
 public:
  // About one second: long enough for any real holder, short enough that a dead
  // one shows up as a failed call rather than a frozen user interface.
  static constexpr DWORD kDefaultTimeoutMs = 1000;

  ReentrantLock() { InitializeCriticalSection(&section_); }
  ~ReentrantLock() { DeleteCriticalSection(&section_); }
  ReentrantLock(const ReentrantLock&) = delete;
  ReentrantLock& operator=(const ReentrantLock&) = delete;

  // Polls TryEnterCriticalSection until it succeeds or the bound runs out.
  bool TryAcquire(DWORD timeoutMs = kDefaultTimeoutMs) noexcept;
  // Only the holder may release; a release by a thread that does not hold the
  // lock is ignored rather than corrupting the section.
  void Release() noexcept;
  bool HeldByCurrentThread() const noexcept;

 private:
  CRITICAL_SECTION section_;
  // Owner and depth are kept by us because CRITICAL_SECTION's fields are opaque.
  volatile DWORD owner_ = 0;
  LONG depth_ = 0;
};

// Scoped holder: `LockGuard guard(Locks().panel); if (!guard) return 0;`
class LockGuard {
 public:
  explicit LockGuard(ReentrantLock& lock, DWORD timeoutMs = ReentrantLock::kDefaultTimeoutMs) noexcept
      : lock_(&lock), held_(lock.TryAcquire(timeoutMs)) {}
  ~LockGuard() { Unlock(); }
  LockGuard(const LockGuard&) = delete;
  LockGuard& operator=(const LockGuard&) = delete;

  explicit operator bool() const noexcept { return held_; }
  bool Held() const noexcept { return held_; }

  // For code that must drop the lock around calls that send messages, then take it again.
  void Unlock() noexcept {
    if (held_) lock_->Release();
    held_ = false;
  }
  bool Relock(DWORD timeoutMs = ReentrantLock::kDefaultTimeoutMs) noexcept {
    if (!held_) held_ = lock_->TryAcquire(timeoutMs);
    return held_;
  }

 private:
  ReentrantLock* lock_;
  bool held_;
};

// The seven locks of the library.
struct LibraryLocks {
  ReentrantLock animation;  // the animation mailbox handle
  ReentrantLock hotKey;     // the hot-key map
  ReentrantLock panel;      // panel and page lists and page records
  ReentrantLock toolBar;    // building the toolbar of a menu bar
  ReentrantLock menu;       // menu and menu-item lists
  ReentrantLock textControl;  // text-control event handling
  ReentrantLock windowMap;  // the window map and the page brush cache
};

LibraryLocks& Locks();

}  // namespace kelvra
