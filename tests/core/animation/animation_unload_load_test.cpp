// Kelvra.dll loaded, started, ended and unloaded again: nothing the animation
// thread needs outlives the library. Its stop signal, a manual-reset event that
// the thread sets as it leaves, is closed; a library that never animates loads no
// winmm (Wine's winmm, unloaded, leaves a dozen registry keys open); and the
// library's per-thread values leave no lock of the C++ runtime behind.
#include <gtest/gtest.h>
#include <windows.h>
#include <winternl.h>

#include <map>
#include <set>
#include <string>

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

// The kind of object a handle is ("Event", "Semaphore", "Key", ...).
std::wstring KindOf(HANDLE handle) {
  using QueryObject = LONG(NTAPI*)(HANDLE, int, void*, ULONG, ULONG*);
  static const auto query = reinterpret_cast<QueryObject>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryObject")));
  alignas(8) unsigned char buffer[512] = {};
  constexpr int kTypeInformation = 2;  // starts with the kind's name
  if (!query || query(handle, kTypeInformation, buffer, sizeof buffer, nullptr) != 0) return L"?";
  const auto* name = reinterpret_cast<const UNICODE_STRING*>(buffer);
  return std::wstring(name->Buffer, name->Length / sizeof(wchar_t));
}

// One started life of the library: the handles it leaves open, counted by kind;
// set manual-reset events count as "set event".
std::map<std::wstring, int> HandlesLeftByOneLife() {
  const std::set<UINT_PTR> before = OpenHandles();
  LoadedKelvra library;
  EXPECT_TRUE(library.LoadWithStartAndEnd());
  library.start();
  library.end();
  EXPECT_TRUE(FreeLibrary(library.module));
  std::map<std::wstring, int> left;
  for (UINT_PTR value : OpenHandles()) {
    if (before.count(value)) continue;
    const auto handle = reinterpret_cast<HANDLE>(value);
    ++left[IsSetManualResetEvent(handle) ? L"set event" : KindOf(handle)];
  }
  return left;
}

std::string Listed(const std::map<std::wstring, int>& handles) {
  std::string text;
  for (const auto& [kind, count] : handles)
    text += std::to_string(count) + " " + std::string(kind.begin(), kind.end()) + "; ";
  return text;
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
  HandlesLeftByOneLife();  // the first life loads the system's own libraries for good
  EXPECT_EQ(HandlesLeftByOneLife()[L"set event"], 0);
  EXPECT_EQ(HandlesLeftByOneLife()[L"set event"], 0);
}

// What stays is the C++ runtime's record of the thread that used the library (a
// copy of its thread handle and an event), which the runtime frees only as that
// thread ends, long after Kelvra.dll, which holds the runtime, has gone. A
// thread_local in the library used to leave two semaphores more each time: the
// runtime's emulated TLS made a key and its lock for it.
TEST(AnimationUnloadLoad, OnlyTheRuntimesThreadRecordOutlivesALife) {
  HandlesLeftByOneLife();
  for (int life = 0; life < 2; ++life) {
    std::map<std::wstring, int> left = HandlesLeftByOneLife();
    const std::string all = Listed(left);
    EXPECT_LE(left[L"Thread"], 1) << all;
    EXPECT_LE(left[L"Event"], 1) << all;
    left.erase(L"Thread");
    left.erase(L"Event");
    left.erase(L"set event");  // the test above
    EXPECT_TRUE(left.empty()) << all;
  }
}

}  // namespace
