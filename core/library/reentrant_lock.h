// The library's named locks: re-entrant critical sections taken by polling with a
// bound, so a stuck holder makes an operation fail instead of hanging the caller.
// No lock is held while control leaves the library (a window's own procedure, a
// message to another thread, an application callback): a holder that did so could
// keep every other thread waiting for as long as a modal loop runs.
#pragma once

#include <windows.h>

namespace kelvra {

class ReentrantLock {
 public:
  // About one second: long enough for any real holder, short enough that a dead
  // one shows up as a failed call rather than a frozen user interface.
  static constexpr DWORD kDefaultTimeoutMs = 1000;

  // `name` (a string literal) names the lock in timeout reports.
  explicit ReentrantLock(const wchar_t* name = L"unnamed lock") : name_(name) { InitializeCriticalSection(&section_); }
  ~ReentrantLock() { DeleteCriticalSection(&section_); }
  ReentrantLock(const ReentrantLock&) = delete;
  ReentrantLock& operator=(const ReentrantLock&) = delete;

  // Polls TryEnterCriticalSection until it succeeds or the bound runs out. A
  // thread with a message queue serves the messages other threads send it while it
  // waits: a holder that sends to this thread then gets its answer and lets go,
  // instead of both waiting out the bound. A wait inside a message served so gives
  // up no later than the wait that served it. A timeout is reported (see
  // SetLockTimeoutHandler).
  bool TryAcquire(DWORD timeoutMs = kDefaultTimeoutMs) noexcept;
  // Only the holder may release; a release by a thread that does not hold the
  // lock is ignored rather than corrupting the section.
  void Release() noexcept;
  bool HeldByCurrentThread() const noexcept;
  const wchar_t* Name() const noexcept { return name_; }

 private:
  bool Enter() noexcept;  // one TryEnterCriticalSection, bookkept

  CRITICAL_SECTION section_;
  const wchar_t* name_;
  // Owner and depth are kept by us because CRITICAL_SECTION's fields are opaque.
  volatile DWORD owner_ = 0;
  LONG depth_ = 0;
};

// Called when a wait for a lock ran out: the lock's name and the thread that held
// it (0 when it had just gone). Debug builds report by default (OutputDebugStringW
// naming the lock, then an assertion: a lock held that long is a lock held across a
// call out); release builds do nothing. Returns the handler it replaces.
using LockTimeoutHandler = void (*)(const wchar_t* lockName, DWORD holderThreadId);
LockTimeoutHandler SetLockTimeoutHandler(LockTimeoutHandler handler) noexcept;
// The text of a timeout report.
void FormatLockTimeout(wchar_t* buffer, size_t size, const wchar_t* lockName, DWORD holderThreadId) noexcept;

// While one lives on a thread, that thread's lock waits serve no messages: for
// code under the loader lock, where no window procedure may run.
class NoMessagesWhileWaiting {
 public:
  explicit NoMessagesWhileWaiting(bool active = true) noexcept;
  ~NoMessagesWhileWaiting();
  NoMessagesWhileWaiting(const NoMessagesWhileWaiting&) = delete;
  NoMessagesWhileWaiting& operator=(const NoMessagesWhileWaiting&) = delete;

 private:
  bool active_;
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
  ReentrantLock animation{L"AnimationLock"};      // the animation mailbox handle
  ReentrantLock hotKey{L"HotKeyLock"};            // the hot-key map
  ReentrantLock panel{L"PanelLock"};              // panel and page lists, page records, back buffers
  ReentrantLock toolBar{L"ToolBarLock"};          // building the toolbar of a menu bar
  ReentrantLock menu{L"MenuLock"};                // menu and menu-item lists
  ReentrantLock textControl{L"TextControlLock"};  // text-control event handling
  ReentrantLock windowMap{L"WindowMapLock"};      // the window map and the page brush cache
};

LibraryLocks& Locks();
// True when the calling thread holds any of the seven (for checks at the points
// where control leaves the library).
bool HoldsAnyLibraryLock() noexcept;

}  // namespace kelvra
