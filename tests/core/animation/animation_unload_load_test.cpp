// Kelvra.dll loaded, started, ended and unloaded again: nothing the animation
// thread needs outlives the library. Its stop signal, a manual-reset event that
// the thread sets as it leaves, is closed; and a library that never animates
// loads no winmm (Wine's winmm, unloaded, leaves a dozen registry keys open).
#include <gtest/gtest.h>
#include <windows.h>

#include <set>

#include "tests/support/dll_exports.h"

namespace {

using kelvra::test::LoadedKelvra;

// The process's open handles. Wine's process handle count reads 0, so each small
// handle value is asked whether it is open.
std::set<UINT_PTR> OpenHandles() {
  std::set<UINT_PTR> open;
  DWORD flags = 0;
  for (UINT_PTR value = 4; value < 0x2000; value += 4)
    if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) open.insert(value);
  return open;
}

// A manual-reset event that is set, asked without touching it (a wait would reset
// someone else's auto-reset event).
bool IsSetManualResetEvent(HANDLE handle) {
  using QueryEvent = LONG(NTAPI*)(HANDLE, int, void*, ULONG, ULONG*);
  static const auto query =
      reinterpret_cast<QueryEvent>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryEvent")));
  struct {
    int type;  // 0: notification (manual reset)
    LONG state;
  } basic{};
  return query && query(handle, 0, &basic, sizeof(basic), nullptr) == 0 && basic.type == 0 && basic.state != 0;
}

// One started life of the library: the set manual-reset events it leaves open.
int SetEventsLeftByOneLife() {
  const std::set<UINT_PTR> before = OpenHandles();
  LoadedKelvra library;
  EXPECT_TRUE(library.LoadWithStartAndEnd());
  library.start();
  library.end();
  EXPECT_TRUE(FreeLibrary(library.module));
  int left = 0;
  for (UINT_PTR value : OpenHandles())
    if (!before.count(value) && IsSetManualResetEvent(reinterpret_cast<HANDLE>(value))) ++left;
  return left;
}

// First: a started library keeps winmm loaded for the rest of the process.
TEST(AnimationUnloadLoad, ALibraryThatNeverAnimatesLoadsNoWinmm) {
  ASSERT_EQ(GetModuleHandleW(L"winmm.dll"), nullptr) << "this program must not load it itself";
  LoadedKelvra library;
  ASSERT_TRUE(library.LoadWithStartAndEnd());
  EXPECT_EQ(GetModuleHandleW(L"winmm.dll"), nullptr);
  library.end();
  EXPECT_TRUE(FreeLibrary(library.module));
}

TEST(AnimationUnloadLoad, TheStopSignalGoesWithTheLibrary) {
  SetEventsLeftByOneLife();  // the first life loads the system's own libraries for good
  EXPECT_EQ(SetEventsLeftByOneLife(), 0);
  EXPECT_EQ(SetEventsLeftByOneLife(), 0);
}

}  // namespace
