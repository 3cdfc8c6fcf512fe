// Kelvra.dll unloaded while its animation thread is still ending: Kelvra_End gives
// up on a thread stuck in a frame after its bound, and the application's
// FreeLibrary follows at once. The thread must still leave the library's code
// before the module goes, and a library loaded afterwards must animate afresh.
#include <gtest/gtest.h>
#include <windows.h>

#include "core/animation/page_animation.h"
#include "core/library/library_messages.h"
#include "tests/support/dll_exports.h"
#include "tests/support/library_unload.h"
#include "tests/support/win_test_helpers.h"

namespace {

using kelvra::test::LoadedKelvra;

constexpr wchar_t kMailboxClass[] = L"Kelvra_Animation Thread";

// This process's mailbox (other test programs have theirs), waited for with a bound.
HWND WaitForOwnMailbox() {
  for (int i = 0; i < 1000; ++i) {
    for (HWND w = nullptr; (w = FindWindowExW(HWND_MESSAGE, w, kMailboxClass, nullptr));) {
      DWORD process = 0;
      GetWindowThreadProcessId(w, &process);
      if (process == GetCurrentProcessId()) return w;
    }
    Sleep(10);
  }
  return nullptr;
}

bool Animate(HWND mailbox, HWND window, int fromHeight, int toHeight) {
  auto* block = static_cast<kelvra::PageAnimation*>(
      HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(kelvra::PageAnimation)));
  if (!block) return false;
  block->window = window;
  const int32_t current[4] = {0, 0, 50, fromHeight}, target[4] = {0, 0, 50, toHeight};
  for (int i = 0; i < 4; ++i) {
    block->current[i] = current[i];
    block->target[i] = target[i];
  }
  if (PostMessageW(mailbox, kelvra::AnimatePageMessage, reinterpret_cast<WPARAM>(window),
                   reinterpret_cast<LPARAM>(block)))
    return true;
  HeapFree(GetProcessHeap(), 0, block);
  return false;
}

int Height(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r.bottom - r.top;
}

// A window of a thread of its own that, once the animation thread starts moving
// it, stops that thread inside its frame until released: the moving thread waits
// in its cross-thread move for as long as this one does not answer.
struct StuckWindowThread {
  HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HANDLE stuck = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HANDLE release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HWND animated = nullptr;
  HANDLE thread = nullptr;

  static StuckWindowThread*& Self() {
    static StuckWindowThread* self = nullptr;
    return self;
  }
  static LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_WINDOWPOSCHANGING && w == Self()->animated) {
      SetEvent(Self()->stuck);
      WaitForSingleObject(Self()->release, 30000);
    }
    return DefWindowProcW(w, m, wp, lp);
  }
  static DWORD WINAPI Run(LPVOID) {
    StuckWindowThread& s = *Self();
    const wchar_t* name = kelvra::test::RegisterTestWindowClass(L"StuckAnimatedWindow", Proc);
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    // Below a message-only window: Kelvra_End's walk over the process's top-level
    // windows would otherwise wait on this thread too.
    HWND grandparent =
        CreateWindowExW(0, name, L"", WS_CHILD, 0, 0, 200, 200, HWND_MESSAGE, nullptr, instance, nullptr);
    HWND parent =
        CreateWindowExW(0, name, L"", WS_CHILD | WS_VISIBLE, 0, 0, 200, 200, grandparent, nullptr, instance, nullptr);
    s.animated =
        CreateWindowExW(0, name, L"", WS_CHILD | WS_VISIBLE, 0, 0, 50, 10, parent, nullptr, instance, nullptr);
    SetEvent(s.ready);
    MSG msg;
    while (WaitForSingleObject(s.release, 0) != WAIT_OBJECT_0) {
      while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
      MsgWaitForMultipleObjects(1, &s.release, FALSE, 50, QS_ALLINPUT);
    }
    DestroyWindow(grandparent);
    return 0;
  }
  StuckWindowThread() {
    Self() = this;
    thread = CreateThread(nullptr, 0, Run, nullptr, 0, nullptr);
  }
  ~StuckWindowThread() {
    SetEvent(release);
    if (thread) WaitForSingleObject(thread, 30000), CloseHandle(thread);
    CloseHandle(ready);
    CloseHandle(stuck);
    CloseHandle(release);
    Self() = nullptr;
  }
};

TEST(AnimationUnload, ThreadStillEndingKeepsTheModuleUntilItHasLeft) {
  StuckWindowThread windows;
  ASSERT_NE(nullptr, windows.thread);
  ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(windows.ready, 10000));

  LoadedKelvra first;
  ASSERT_TRUE(first.LoadWithStartAndEnd());
  first.start();
  const HWND mailbox = WaitForOwnMailbox();
  ASSERT_NE(nullptr, mailbox);
  HANDLE animationThread =
      OpenThread(SYNCHRONIZE | THREAD_QUERY_INFORMATION, FALSE, GetWindowThreadProcessId(mailbox, nullptr));
  ASSERT_NE(nullptr, animationThread);
  ASSERT_TRUE(Animate(mailbox, windows.animated, 10, 150));
  ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(windows.stuck, 10000)) << "the thread moves the window";

  first.end();  // gives up on the stuck thread after its bound and leaves it running
  ASSERT_TRUE(FreeLibrary(first.module));
  EXPECT_NE(nullptr, GetModuleHandleW(L"Kelvra.dll")) << "kept by the thread that is still in its code";

  SetEvent(windows.release);
  EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(animationThread, 10000));
  DWORD code = 0;
  EXPECT_TRUE(GetExitCodeThread(animationThread, &code));
  EXPECT_EQ(1337u, code);
  CloseHandle(animationThread);
  const DWORD start = GetTickCount();
  while (GetModuleHandleW(L"Kelvra.dll") && GetTickCount() - start < 10000) Sleep(10);
  EXPECT_EQ(nullptr, GetModuleHandleW(L"Kelvra.dll")) << "gone with the thread's last reference";

  // A fresh library: its own mailbox class and thread, animating a window here.
  LoadedKelvra second;
  ASSERT_TRUE(second.LoadWithStartAndEnd());
  second.start();
  const HWND again = WaitForOwnMailbox();
  ASSERT_NE(nullptr, again);
  HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr, nullptr, nullptr);
  HWND child = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 0, 50, 10, parent, nullptr, nullptr, nullptr);
  ASSERT_TRUE(Animate(again, child, 10, 40));
  MSG msg;
  for (DWORD begun = GetTickCount(); Height(child) != 40 && GetTickCount() - begun < 10000;) {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  EXPECT_EQ(40, Height(child));
  second.end();
  kelvra::test::FreeAndExpectUnloaded(second.module);
}

}  // namespace
