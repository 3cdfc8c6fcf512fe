// Polling acquisition, holder-checked release and timeout reports of the library's
// locks.
#include "core/library/reentrant_lock.h"

#include <cassert>
#include <cwchar>
#include <initializer_list>

#include "core/library/thread_slot.h"

namespace kelvra {

namespace {

ThreadValue quietWaits;  // NoMessagesWhileWaiting scopes alive on this thread

// The tick count at which this thread's outermost lock wait gives up; 0 while it
// waits for none. A message served during a wait may wait for a lock itself, and
// then a message served in that wait, and so on: each gives up with the outermost
// wait rather than after a bound of its own, so however many messages arrive, a
// thread waits for the library's locks about one bound at a time, not one per
// message (a holder that stays stuck showed up many seconds late otherwise).
ThreadValue waitDeadline;

// Bounds longer than this (INFINITE, say) set no shared deadline: the tick
// arithmetic below compares within half the counter's range.
constexpr DWORD kLongestSharedBound = 0x7FFFFFFF;

class SharedDeadline {
 public:
  SharedDeadline(DWORD start, DWORD timeoutMs) noexcept : outer_(static_cast<DWORD>(waitDeadline.Get())) {
    if (outer_ || timeoutMs > kLongestSharedBound) return;
    const DWORD deadline = start + timeoutMs;
    owned_ = waitDeadline.Set(deadline ? deadline : 1);
  }
  ~SharedDeadline() {
    if (owned_) waitDeadline.Set(0);
  }
  SharedDeadline(const SharedDeadline&) = delete;
  SharedDeadline& operator=(const SharedDeadline&) = delete;

  // The outer wait this one runs within has given up.
  bool OuterPassed(DWORD now) const noexcept { return outer_ && static_cast<LONG>(now - outer_) >= 0; }

 private:
  DWORD outer_;
  bool owned_ = false;
};

void DefaultTimeoutHandler(const wchar_t* lockName, DWORD holderThreadId) {
#ifndef NDEBUG
  wchar_t text[256];
  FormatLockTimeout(text, sizeof text / sizeof text[0], lockName, holderThreadId);
  OutputDebugStringW(text);
  assert(!"a library lock was held past its bound: held across a call out?");
#else
  (void)lockName;
  (void)holderThreadId;
#endif
}

volatile LockTimeoutHandler timeoutHandler = DefaultTimeoutHandler;

// Serves the messages other threads have sent this one, then sleeps about a
// millisecond or until another is sent. Threads without a message queue just
// sleep: asking for messages would give them a queue.
void WaitBetweenPolls(unsigned spin, bool serveMessages) {
  if (!serveMessages) {
    Sleep(spin < 16 ? 0 : 1);
    return;
  }
  MSG msg;
  PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  if (spin >= 16) MsgWaitForMultipleObjectsEx(0, nullptr, 1, QS_SENDMESSAGE, MWMO_INPUTAVAILABLE);
}

}  // namespace

bool ReentrantLock::Enter() noexcept {
  if (!TryEnterCriticalSection(&section_)) return false;
  owner_ = GetCurrentThreadId();
  ++depth_;
  return true;
}

bool ReentrantLock::TryAcquire(DWORD timeoutMs) noexcept {
  if (Enter()) return true;
  const DWORD start = GetTickCount();
  const SharedDeadline deadline(start, timeoutMs);
  bool serveMessages = false, asked = false;
  for (unsigned spin = 0;; ++spin) {
    const DWORD now = GetTickCount();
    if (now - start >= timeoutMs || deadline.OuterPassed(now)) {
      if (timeoutMs > 0)
        if (LockTimeoutHandler handler = timeoutHandler) handler(name_, owner_);
      return false;
    }
    if (!asked) {  // asked once per wait, and only when there is a wait
      serveMessages = quietWaits.Get() == 0 && IsGUIThread(FALSE);
      asked = true;
    }
    WaitBetweenPolls(spin, serveMessages);
    if (Enter()) return true;
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

LockTimeoutHandler SetLockTimeoutHandler(LockTimeoutHandler handler) noexcept {
  const LockTimeoutHandler previous = timeoutHandler;
  timeoutHandler = handler;
  return previous;
}

void FormatLockTimeout(wchar_t* buffer, size_t size, const wchar_t* lockName, DWORD holderThreadId) noexcept {
  if (!buffer || !size) return;
  std::swprintf(buffer, size, L"Kelvra: %ls timed out on thread %lu; held by thread %lu\n",
                lockName ? lockName : L"a lock", static_cast<unsigned long>(GetCurrentThreadId()),
                static_cast<unsigned long>(holderThreadId));
}

NoMessagesWhileWaiting::NoMessagesWhileWaiting(bool active) noexcept : active_(active) {
  if (active_) quietWaits.Set(quietWaits.Get() + 1);
}

NoMessagesWhileWaiting::~NoMessagesWhileWaiting() {
  if (active_) quietWaits.Set(quietWaits.Get() - 1);
}

LibraryLocks& Locks() {
  // Built on first use, so any start order of the library's pieces finds them ready,
  // and never destroyed, so a lock is still valid while the process winds down.
  static LibraryLocks* locks = new LibraryLocks();
  return *locks;
}

bool HoldsAnyLibraryLock() noexcept {
  const LibraryLocks& l = Locks();
  for (const ReentrantLock* lock : {&l.animation, &l.hotKey, &l.panel, &l.toolBar, &l.menu, &l.textControl,
                                    &l.windowMap})
    if (lock->HeldByCurrentThread()) return true;
  return false;
}

}  // namespace kelvra
