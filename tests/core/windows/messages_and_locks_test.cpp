// CommonSubclassProc and the library's locks on real windows: every message
// reaches the window's own procedure, with no library lock held, even when
// WindowMapLock cannot be taken or the window has lost its entry; a nested skin
// refresh leaves no window with drawing off; the user-interface thread is known.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "core/library/library_messages.h"
#include "core/library/reentrant_lock.h"
#include "core/library/ui_thread.h"
#include "core/windows/common_subclass_proc.h"
#include "core/windows/skin_change_delivery.h"
#include "core/windows/window_map.h"
#include "kelvra.h"
#include "tests/support/win_test_helpers.h"

namespace {

using kelvra::LockGuard;
using kelvra::Locks;
using kelvra::test::TestWindow;

class StartedLibrary : public testing::Environment {
 public:
  void SetUp() override { StartKelvra(); }  // hooks window creation on this thread
};
const auto* const kStarted = testing::AddGlobalTestEnvironment(new StartedLibrary);

// What the window's own procedure saw: each message, and whether this thread held
// a library lock when it came.
struct Arrival {
  UINT message;
  bool lockHeld;
};
std::vector<Arrival> gArrivals;
// Run by the own procedure on WM_APP, as a frame drag or message box would run.
void (*gOnApp)() = nullptr;

LRESULT CALLBACK OwnProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  gArrivals.push_back({message, kelvra::HoldsAnyLibraryLock()});
  if (message == WM_APP && gOnApp) gOnApp();
  return DefWindowProcW(window, message, wParam, lParam);
}

const wchar_t* OwnClass() {
  static const wchar_t* name = kelvra::test::RegisterTestWindowClass(L"KelvraOwnProcWindow", OwnProc);
  return name;
}

bool Arrived(UINT message) {
  for (const Arrival& a : gArrivals)
    if (a.message == message) return true;
  return false;
}

std::string MessagesSeenWithALockHeld() {
  std::string out;
  for (const Arrival& a : gArrivals)
    if (a.lockHeld) out += std::to_string(a.message) + " ";
  return out;
}

// Records lock timeouts instead of the debug builds' assertion.
std::vector<std::wstring> gTimedOut;
void RecordTimeout(const wchar_t* name, DWORD) { gTimedOut.push_back(name); }
struct RecordTimeouts {
  RecordTimeouts() { gTimedOut.clear(); }
  ~RecordTimeouts() { kelvra::SetLockTimeoutHandler(previous); }
  kelvra::LockTimeoutHandler previous = kelvra::SetLockTimeoutHandler(RecordTimeout);
};

// Another thread that holds a lock until told to let go.
class LockHolder {
 public:
  explicit LockHolder(kelvra::ReentrantLock& lock) : lock_(lock) {
    taken_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    release_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    thread_ = CreateThread(nullptr, 0, Run, this, 0, nullptr);
    WaitForSingleObject(taken_, 5000);
  }
  ~LockHolder() {
    SetEvent(release_);
    WaitForSingleObject(thread_, 5000);
    CloseHandle(thread_);
    CloseHandle(taken_);
    CloseHandle(release_);
  }

 private:
  static DWORD WINAPI Run(LPVOID self) {
    auto& h = *static_cast<LockHolder*>(self);
    h.lock_.TryAcquire();
    SetEvent(h.taken_);
    WaitForSingleObject(h.release_, 10000);
    h.lock_.Release();
    return 0;
  }
  kelvra::ReentrantLock& lock_;
  HANDLE taken_, release_, thread_;
};

TEST(CommonSubclassProc, MessagesReachTheOwnProcedureWhenTheLockCannotBeTaken) {
  TestWindow window(OwnClass(), WS_POPUP | WS_VISIBLE, 0, 0, 60, 40);
  ASSERT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)), kelvra::CommonSubclassProc);
  UpdateWindow(window);
  gArrivals.clear();
  RecordTimeouts timeouts;
  {
    LockHolder holder(Locks().windowMap);
    // A swallowed WM_PAINT never validates: the window would be painted forever.
    InvalidateRect(window, nullptr, FALSE);
    UpdateWindow(window);
    RECT dirty{};
    EXPECT_FALSE(GetUpdateRect(window, &dirty, FALSE)) << "WM_PAINT reached the window and validated it";
    EXPECT_EQ(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0), 0);
  }
  EXPECT_TRUE(Arrived(WM_PAINT));
  EXPECT_TRUE(Arrived(WM_GETTEXTLENGTH));
  ASSERT_FALSE(gTimedOut.empty()) << "the timed-out waits were reported";
  EXPECT_EQ(gTimedOut[0], L"WindowMapLock");
  ShowWindow(window, SW_HIDE);  // a hidden window is destroyed at once under Wine
}

TEST(CommonSubclassProc, WindowWithoutAnEntryStillGetsEveryMessageAndItsProcedureBack) {
  TestWindow window(OwnClass(), WS_POPUP, 0, 0, 60, 40);
  const auto own = kelvra::SavedProcedureOf(window);
  EXPECT_EQ(own, OwnProc);
  {
    LockGuard guard(Locks().windowMap);
    kelvra::GetWindowMap().Remove(window);
  }
  gArrivals.clear();
  SendMessageW(window, WM_APP, 0, 0);
  EXPECT_TRUE(Arrived(WM_APP));
  DestroyWindow(window.release());
  EXPECT_TRUE(Arrived(WM_DESTROY));
  EXPECT_TRUE(Arrived(WM_NCDESTROY)) << "the window's own code frees its state on WM_NCDESTROY";
}

// Every path through the procedure lets its locks go before the window's own
// procedure runs, including the ones that send messages themselves.
TEST(CommonSubclassProc, NoLibraryLockIsHeldWhenTheOwnProcedureRuns) {
  TestWindow parent(kelvra::test::PlainWindowClass(), WS_POPUP | WS_VISIBLE, 0, 0, 300, 200);
  TestWindow window(OwnClass(), WS_CHILD, 0, 0, 60, 40, parent);
  {
    LockGuard guard(Locks().windowMap);
    kelvra::WindowMapEntry* entry = kelvra::GetWindowMap().Find(window);
    ASSERT_NE(entry, nullptr);
    entry->transparentChild = 1;  // as a panel's: showing it sets its extended style
    entry->minimumWidth = 80;
  }
  SetWindowLongW(window, GWL_EXSTYLE, WS_EX_TRANSPARENT);
  gArrivals.clear();
  ShowWindow(window, SW_SHOWNA);  // WM_SHOWWINDOW, then the style change it makes
  SetWindowPos(window, nullptr, 5, 5, 50, 30, SWP_NOZORDER | SWP_NOACTIVATE);
  SendMessageW(window, WM_MOUSEMOVE, 0, 0);
  HDC dc = GetDC(window);
  SendMessageW(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  ReleaseDC(window, dc);
  InvalidateRect(window, nullptr, TRUE);
  UpdateWindow(window);
  SendMessageW(window, WM_APP, 0, 0);
  DestroyWindow(window.release());
  for (UINT message : {WM_SHOWWINDOW, WM_STYLECHANGED, WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_MOUSEMOVE,
                       WM_ERASEBKGND, WM_PAINT, WM_APP, WM_NCDESTROY})
    EXPECT_TRUE(Arrived(message)) << message;
  EXPECT_EQ(MessagesSeenWithALockHeld(), "");
  ShowWindow(parent, SW_HIDE);
}

// The window's own procedure runs a modal loop for two seconds; meanwhile another
// thread takes and lets go of WindowMapLock and PanelLock at once.
struct Contender {
  std::atomic<DWORD> slowest{0};
  std::atomic<int> failures{0}, rounds{0};
  HANDLE stop = CreateEventW(nullptr, TRUE, FALSE, nullptr);
};

DWORD WINAPI Contend(LPVOID arg) {
  auto& c = *static_cast<Contender*>(arg);
  while (WaitForSingleObject(c.stop, 20) == WAIT_TIMEOUT) {
    for (kelvra::ReentrantLock* lock : {&Locks().windowMap, &Locks().panel}) {
      const DWORD start = GetTickCount();
      if (!lock->TryAcquire()) {
        ++c.failures;
        continue;
      }
      lock->Release();
      const DWORD took = GetTickCount() - start;
      if (took > c.slowest) c.slowest = took;
    }
    ++c.rounds;
  }
  return 0;
}

Contender* gContender = nullptr;

void ModalLoopForTwoSeconds() {
  HANDLE thread = CreateThread(nullptr, 0, Contend, gContender, 0, nullptr);
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < 2000) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  }
  SetEvent(gContender->stop);
  WaitForSingleObject(thread, 5000);
  CloseHandle(thread);
}

TEST(CommonSubclassProc, ModalLoopInTheOwnProcedureHoldsNoLock) {
  TestWindow window(OwnClass(), WS_POPUP, 0, 0, 60, 40);
  Contender contender;
  gContender = &contender;
  gOnApp = ModalLoopForTwoSeconds;
  RecordTimeouts timeouts;
  SendMessageW(window, WM_APP, 0, 0);
  gOnApp = nullptr;
  CloseHandle(contender.stop);
  EXPECT_GT(contender.rounds.load(), 10);
  EXPECT_EQ(contender.failures.load(), 0);
  EXPECT_LT(contender.slowest.load(), 50u);
  EXPECT_TRUE(gTimedOut.empty());
}

// ---- A skin refresh started inside another

int gNestedRefreshes = 0;
LRESULT CALLBACK RefreshingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // The first skin change starts another refresh, as a control that changes its
  // skin in its handler would.
  if (message == kelvra::SkinChangedMessage && gNestedRefreshes++ == 0) kelvra::RefreshAllWindowSkins(0);
  return DefWindowProcW(window, message, wParam, lParam);
}

TEST(SkinChangeDelivery, NestedRefreshLeavesEveryWindowDrawing) {
  const wchar_t* refreshing = kelvra::test::RegisterTestWindowClass(L"KelvraRefreshingWindow", RefreshingProc);
  TestWindow top(kelvra::test::PlainWindowClass(), WS_POPUP | WS_VISIBLE, 0, 0, 300, 200);
  std::vector<std::unique_ptr<TestWindow>> children;
  for (int i = 0; i < 3; ++i)
    children.push_back(std::make_unique<TestWindow>(refreshing, WS_CHILD | WS_VISIBLE, i * 90, 0, 80, 80, top));
  gNestedRefreshes = 0;
  kelvra::RefreshAllWindowSkins(0);
  EXPECT_GE(gNestedRefreshes, 2);
  // WM_SETREDRAW FALSE takes WS_VISIBLE away until drawing is switched on again.
  for (const auto& child : children) EXPECT_TRUE(IsWindowVisible(*child)) << "a child was left with drawing off";
  ShowWindow(top, SW_HIDE);  // a hidden window is destroyed at once under Wine
}

// ---- The user-interface thread

DWORD WINAPI AskFromAnotherThread(LPVOID result) {
  *static_cast<bool*>(result) = kelvra::OnUserInterfaceThread();
  return 0;
}

TEST(UserInterfaceThread, IsTheThreadThatStartedTheLibrary) {
  EXPECT_TRUE(kelvra::OnUserInterfaceThread());
  bool elsewhere = true;
  HANDLE thread = CreateThread(nullptr, 0, AskFromAnotherThread, &elsewhere, 0, nullptr);
  WaitForSingleObject(thread, 5000);
  CloseHandle(thread);
  EXPECT_FALSE(elsewhere);
}

}  // namespace
