// The library's locks: re-entrant for their holder, bounded for everyone else, and
// deaf to a release by a thread that does not hold them.
#include <gtest/gtest.h>
#include <windows.h>

#include "core/library/reentrant_lock.h"

namespace kelvra {
namespace {

struct Holder {
  ReentrantLock* lock;
  HANDLE taken;
  HANDLE release;
};

DWORD WINAPI HoldLock(LPVOID arg) {
  auto* h = static_cast<Holder*>(arg);
  h->lock->TryAcquire();
  SetEvent(h->taken);
  WaitForSingleObject(h->release, 10000);
  h->lock->Release();
  return 0;
}

DWORD WINAPI ReleaseOnly(LPVOID arg) {
  static_cast<ReentrantLock*>(arg)->Release();
  return 0;
}

TEST(ReentrantLock, HolderReentersAndOthersTimeOutAfterAboutASecond) {
  ReentrantLock lock;
  Holder h{&lock, CreateEventW(nullptr, TRUE, FALSE, nullptr), CreateEventW(nullptr, TRUE, FALSE, nullptr)};
  HANDLE thread = CreateThread(nullptr, 0, HoldLock, &h, 0, nullptr);
  ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(h.taken, 5000));

  const DWORD start = GetTickCount();
  EXPECT_FALSE(lock.TryAcquire());
  const DWORD waited = GetTickCount() - start;
  EXPECT_GE(waited, 900u);
  EXPECT_LT(waited, 3000u);
  EXPECT_FALSE(lock.HeldByCurrentThread());
  {
    LockGuard guard(lock, 50);
    EXPECT_FALSE(guard) << "the operation fails; it never goes on unlocked";
  }  // and the failed guard releases nothing

  // A release by a thread that does not hold the lock changes nothing.
  lock.Release();
  EXPECT_FALSE(lock.TryAcquire(50));

  SetEvent(h.release);
  WaitForSingleObject(thread, 5000);
  CloseHandle(thread);
  CloseHandle(h.taken);
  CloseHandle(h.release);

  ASSERT_TRUE(lock.TryAcquire());
  ASSERT_TRUE(lock.TryAcquire(0)) << "re-entrant";
  EXPECT_TRUE(lock.HeldByCurrentThread());
  HANDLE stranger = CreateThread(nullptr, 0, ReleaseOnly, &lock, 0, nullptr);
  WaitForSingleObject(stranger, 5000);
  CloseHandle(stranger);
  EXPECT_TRUE(lock.HeldByCurrentThread()) << "a stranger's release is ignored";
  lock.Release();
  EXPECT_TRUE(lock.HeldByCurrentThread()) << "still held once more";
  lock.Release();
  EXPECT_FALSE(lock.HeldByCurrentThread());
  lock.Release();  // one too many: ignored, not an unbalanced LeaveCriticalSection
  ASSERT_TRUE(lock.TryAcquire(0));
  lock.Release();
}

TEST(ReentrantLock, GuardUnlocksAndRelocks) {
  ReentrantLock& lock = Locks().panel;
  LockGuard guard(lock);
  ASSERT_TRUE(guard);
  EXPECT_TRUE(lock.HeldByCurrentThread());
  guard.Unlock();
  EXPECT_FALSE(lock.HeldByCurrentThread());
  EXPECT_TRUE(guard.Relock());
  EXPECT_TRUE(lock.HeldByCurrentThread());
}

}  // namespace
}  // namespace kelvra
