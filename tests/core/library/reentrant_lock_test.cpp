// The library's locks: re-entrant for their holder, bounded for everyone else, and
// deaf to a release by a thread that does not hold them.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "core/library/reentrant_lock.h"
#include "tests/support/win_test_helpers.h"

namespace kelvra {
namespace {

// Timeouts these tests cause on purpose are recorded, not asserted (debug builds).
std::vector<std::wstring> timedOut;
std::vector<DWORD> timedOutHolders;
void RecordTimeout(const wchar_t* name, DWORD holder) {
  timedOut.push_back(name);
  timedOutHolders.push_back(holder);
}
class QuietTimeouts : public testing::Environment {
 public:
  void SetUp() override { SetLockTimeoutHandler(RecordTimeout); }
};
const auto* const kQuiet = testing::AddGlobalTestEnvironment(new QuietTimeouts);

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

TEST(ReentrantLock, TimeoutIsReportedByName) {
  Holder h{&Locks().panel, CreateEventW(nullptr, TRUE, FALSE, nullptr), CreateEventW(nullptr, TRUE, FALSE, nullptr)};
  DWORD holderId = 0;
  HANDLE thread = CreateThread(nullptr, 0, HoldLock, &h, 0, &holderId);
  ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(h.taken, 5000));
  timedOut.clear();
  timedOutHolders.clear();
  EXPECT_FALSE(Locks().panel.TryAcquire(50));
  EXPECT_FALSE(Locks().panel.TryAcquire(0)) << "a single try is no wait: nothing to report";
  SetEvent(h.release);
  WaitForSingleObject(thread, 5000);
  CloseHandle(thread);
  CloseHandle(h.taken);
  CloseHandle(h.release);
  ASSERT_EQ(timedOut.size(), 1u);
  EXPECT_EQ(timedOut[0], L"PanelLock");
  EXPECT_EQ(timedOutHolders[0], holderId);
  wchar_t text[200];
  FormatLockTimeout(text, 200, L"PanelLock", 42);
  EXPECT_NE(std::wstring(text).find(L"PanelLock timed out"), std::wstring::npos) << text;
  EXPECT_NE(std::wstring(text).find(L"held by thread 42"), std::wstring::npos) << text;
}

// A thread holds the lock and sends to this (user-interface) thread before it
// lets go: this thread's wait serves the sent message, so both go on at once
// instead of waiting out the bound.
struct SendingHolder {
  ReentrantLock* lock;
  HWND target;
  HANDLE taken;
  LRESULT answer = 0;
};

DWORD WINAPI HoldAndSend(LPVOID arg) {
  auto* h = static_cast<SendingHolder*>(arg);
  h->lock->TryAcquire();
  SetEvent(h->taken);
  DWORD_PTR answer = 0;
  SendMessageTimeoutW(h->target, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 5000, &answer);
  h->answer = static_cast<LRESULT>(answer);
  h->lock->Release();
  return 0;
}

// Runs `wait` on this thread while another holds `lock` and sends this thread a
// message; returns the answer the sender got.
template <class Wait>
LRESULT WaitWhileTheHolderSends(ReentrantLock& lock, Wait&& wait) {
  kelvra::test::TestWindow target(kelvra::test::PlainWindowClass(), WS_POPUP, 0, 0, 10, 10, nullptr, 0, L"abc");
  SendingHolder h{&lock, target, CreateEventW(nullptr, TRUE, FALSE, nullptr)};
  HANDLE thread = CreateThread(nullptr, 0, HoldAndSend, &h, 0, nullptr);
  EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(h.taken, 5000));
  wait();
  WaitForSingleObject(thread, 5000);
  CloseHandle(thread);
  CloseHandle(h.taken);
  return h.answer;
}

TEST(ReentrantLock, UserInterfaceThreadServesSentMessagesWhileItWaits) {
  ReentrantLock lock(L"TestLock");
  const LRESULT answer = WaitWhileTheHolderSends(lock, [&] {
    const DWORD start = GetTickCount();
    const bool taken = lock.TryAcquire();
    EXPECT_TRUE(taken);
    EXPECT_LT(GetTickCount() - start, 500u);
    if (taken) lock.Release();
  });
  EXPECT_EQ(answer, 3) << "the sent message was answered";
}

// Under the loader lock no window procedure may run: such waits serve nothing.
TEST(ReentrantLock, QuietWaitsServeNoMessages) {
  ReentrantLock lock(L"TestLock");
  WaitWhileTheHolderSends(lock, [&] {
    {
      NoMessagesWhileWaiting quiet;
      EXPECT_FALSE(lock.TryAcquire(200));
    }
    EXPECT_TRUE(lock.TryAcquire()) << "served once the wait may serve again";
    lock.Release();
  });
}

// A message served while this thread waits waits for the same lock in its turn,
// with a long bound of its own (as the next message might, and the next): it gives
// up with the wait that served it, so the thread is held about one bound in all.
ReentrantLock* gAskedInMessage = nullptr;
DWORD gMessageWaited = 0;
bool gMessageGotLock = true;

LRESULT CALLBACK AskingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_APP || !gAskedInMessage) return DefWindowProcW(window, message, wParam, lParam);
  const DWORD start = GetTickCount();
  gMessageGotLock = gAskedInMessage->TryAcquire(5000);
  gMessageWaited = GetTickCount() - start;
  if (gMessageGotLock) gAskedInMessage->Release();
  return 0;
}

struct LateSender {
  HWND target;
  HANDLE waiting;  // set once the target's thread has begun to wait
};

DWORD WINAPI SendOnceItWaits(LPVOID arg) {
  auto* sender = static_cast<LateSender*>(arg);
  WaitForSingleObject(sender->waiting, 5000);
  Sleep(200);  // well inside the wait
  DWORD_PTR answer = 0;
  SendMessageTimeoutW(sender->target, WM_APP, 0, 0, SMTO_NORMAL, 10000, &answer);
  return 0;
}

TEST(ReentrantLock, AWaitInsideAServedMessageGivesUpWithTheWaitThatServedIt) {
  ReentrantLock lock(L"TestLock");
  kelvra::test::TestWindow target(kelvra::test::RegisterTestWindowClass(L"KelvraLockAskingWindow", AskingProc),
                                  WS_POPUP, 0, 0, 10, 10);
  Holder h{&lock, CreateEventW(nullptr, TRUE, FALSE, nullptr), CreateEventW(nullptr, TRUE, FALSE, nullptr)};
  HANDLE holder = CreateThread(nullptr, 0, HoldLock, &h, 0, nullptr);
  ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(h.taken, 5000));
  LateSender sender{target, CreateEventW(nullptr, TRUE, FALSE, nullptr)};
  HANDLE sending = CreateThread(nullptr, 0, SendOnceItWaits, &sender, 0, nullptr);
  gAskedInMessage = &lock;
  gMessageWaited = 0;
  gMessageGotLock = true;

  SetEvent(sender.waiting);
  const DWORD start = GetTickCount();
  EXPECT_FALSE(lock.TryAcquire(1000));
  const DWORD waited = GetTickCount() - start;
  gAskedInMessage = nullptr;

  EXPECT_FALSE(gMessageGotLock);
  EXPECT_GT(gMessageWaited, 0u) << "the message was served during the wait";
  EXPECT_LT(gMessageWaited, 1000u) << "it waited past the outer wait's end";
  EXPECT_LT(waited, 2500u) << "the message's own 5 s bound held this thread";
  SetEvent(h.release);
  for (HANDLE thread : {holder, sending}) {
    WaitForSingleObject(thread, 10000);
    CloseHandle(thread);
  }
  for (HANDLE event : {h.taken, h.release, sender.waiting}) CloseHandle(event);
}

}  // namespace
}  // namespace kelvra
