// Per-thread objects of the library: the result string of each thread stays its
// own until that thread's next text-returning call, and a thread's objects are
// freed as the thread ends (by the loader's TLS callback, here in a program that
// links the library); per-thread values are each thread's own.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "core/library/result_string.h"
#include "core/library/thread_slot.h"

namespace kelvra::test {
namespace {

// Runs `work` on a thread of its own and waits for the thread to end.
template <class Work>
void OnOwnThread(Work work) {
  struct Box {
    Work* work;
    static DWORD WINAPI Run(LPVOID box) {
      (*static_cast<Box*>(box)->work)();
      return 0;
    }
  } box{&work};
  HANDLE thread = CreateThread(nullptr, 0, Box::Run, &box, 0, nullptr);
  ASSERT_NE(nullptr, thread);
  EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(thread, 10000));
  CloseHandle(thread);
}

TEST(ThreadSlot, EachThreadKeepsItsOwnResultUntilItsNextCall) {
  const wchar_t* mine = ReturnText(L"main thread");
  std::wstring otherSaw;
  OnOwnThread([&] {
    const wchar_t* theirs = ReturnText(L"other thread");
    otherSaw = theirs;
    EXPECT_NE(mine, theirs);
  });
  EXPECT_EQ(L"other thread", otherSaw);
  EXPECT_EQ(std::wstring(L"main thread"), mine) << "another thread's call left this one's text alone";
  const wchar_t* next = ReturnText(L"next");
  EXPECT_EQ(std::wstring(L"next"), next);
}

TEST(ThreadSlot, AThreadsObjectsGoWhenItEnds) {
  ReturnText(L"made on this thread first");
  const int before = thread_slots::LiveObjectCount();
  int during = 0;
  OnOwnThread([&] {
    ReturnText(L"one");
    ReturnText(L"two: the same string again");
    during = thread_slots::LiveObjectCount();
  });
  EXPECT_EQ(before + 1, during);
  EXPECT_EQ(before, thread_slots::LiveObjectCount()) << "freed as the thread ended";
}

TEST(ThreadSlot, LastErrorSurvivesALookUp) {
  ReturnText(L"made");
  SetLastError(ERROR_INVALID_WINDOW_HANDLE);
  ReturnText(L"again");
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE), GetLastError());
}

TEST(ThreadValue, EachThreadHasItsOwnStartingAtZero) {
  static ThreadValue value;
  ASSERT_TRUE(value.Set(5));
  intptr_t otherStarted = -1, otherSet = -1;
  OnOwnThread([&] {
    otherStarted = value.Get();
    value.Set(7);
    otherSet = value.Get();
  });
  EXPECT_EQ(0, otherStarted);
  EXPECT_EQ(7, otherSet);
  SetLastError(ERROR_INVALID_WINDOW_HANDLE);
  EXPECT_EQ(5, value.Get()) << "another thread's value left this one's alone";
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE), GetLastError());
  value.Set(0);
}

}  // namespace
}  // namespace kelvra::test
