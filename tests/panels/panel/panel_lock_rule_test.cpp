// No library lock is held where control leaves the library: the panel's callback
// and the own procedure of a window on a page see none, through every path that
// fits, scrolls, shows and frees pages; and while a callback runs a modal loop,
// another thread gets PanelLock and WindowMapLock at once instead of waiting out
// their bound.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "core/library/reentrant_lock.h"
#include "tests/panels/scrolling/page_scroll_support.h"

namespace kelvra::test {
namespace {

// Every call out that found a library lock held, as "step: what".
std::vector<std::string>& HeldAt() {
  static std::vector<std::string> held;
  return held;
}
std::string& Step() {
  static std::string step;
  return step;
}
int& CallsOut() {
  static int calls = 0;
  return calls;
}

void CheckNoLockHeld(const char* where, UINT message) {
  ++CallsOut();
  if (!HoldsAnyLibraryLock()) return;
  char text[96];
  std::snprintf(text, sizeof text, ": %s got message 0x%04X", where, message);
  HeldAt().push_back(Step() + text);
}

LRESULT CALLBACK WatchedChildProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  CheckNoLockHeld("a window's own procedure", message);
  return DefWindowProcW(window, message, wParam, lParam);
}

const wchar_t* WatchedChildClass() {
  static const wchar_t* name = RegisterTestWindowClass(L"KelvraLockWatchedChild", WatchedChildProc);
  return name;
}

class PanelLockRule : public ScrollingPanel {
 protected:
  void SetUp() override {
    ScrollingPanel::SetUp();
    HeldAt().clear();
    CallsOut() = 0;
    CallbackRecorder().onSeen = [](const Seen& s) { CheckNoLockHeld("the panel's callback", s.message); };
  }
  HWND WatchedChild(int x, int y, int width, int height, DWORD visible) {
    return CreateWindowExW(0, WatchedChildClass(), L"", WS_CHILD | visible, x, y, width, height, page_, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
  }
};

TEST_F(PanelLockRule, NoLockIsHeldAcrossCallsOut) {
  HWND child = nullptr, second = nullptr;
  const struct {
    const char* name;
    std::function<void()> run;
  } steps[] = {
      {"auto-scroll switched on", [&] { Set(kAuto, 1); }},
      {"a window shown on the page", [&] {
         child = WatchedChild(0, 0, 300, 200, 0);
         ShowWindow(child, SW_SHOW);
       }},
      {"the window moved", [&] { MoveWindow(child, 20, 30, 320, 260, TRUE); }},
      {"the panel resized", [&] { ResizePanel(150, 80); }},
      {"scrolled by line, page and thumb", [&] {
         Scroll(false, SB_LINEDOWN);
         Scroll(true, SB_PAGEDOWN);
         Scroll(false, SB_THUMBPOSITION, 20);
         Scroll(false, SB_TOP);
       }},
      {"a bar switched off and on", [&] {
         Set(kVertical, 0);
         Set(kVertical, 1);
       }},
      {"another page shown and this one again", [&] {
         second = AddPanelExPage(-1);
         ShowPanelExPage(number_, 1);
         ShowPanelExPage(number_, 0);
       }},
      {"the window hidden", [&] { ShowWindow(child, SW_HIDE); }},
      {"the window moved off the page", [&] {
         SetParent(child, Host());
         ShowWindow(child, SW_SHOW);
       }},
      {"a page freed", [&] { FreePanelExPage(number_, 1); }},
  };
  for (const auto& step : steps) {
    Step() = step.name;
    const int callsBefore = CallsOut();
    step.run();
    PumpMessages();
    EXPECT_GT(CallsOut(), callsBefore) << step.name << ": nothing was called out, so nothing was checked";
  }
  EXPECT_TRUE(HeldAt().empty()) << [] {
    std::string all;
    for (const std::string& s : HeldAt()) all += s + "\n";
    return all;
  }();
  EXPECT_FALSE(IsWindow(second));
  DestroyWindow(child);
}

// What another thread got while the callback waited for it.
struct OtherThreadResult {
  int pageIndex = -2;         // PanelExPageIndex: -1 when PanelLock stayed busy
  bool windowMapLock = false; // WindowMapLock taken within its usual bound
};

// Runs in the callback: asks a second thread to go through PanelLock and
// WindowMapLock and serves this thread's messages (a modal loop) until it is done.
OtherThreadResult AskAnotherThread(int panelNumber) {
  struct Job {
    int panel;
    OtherThreadResult result;
    static DWORD WINAPI Run(LPVOID p) {
      auto& job = *static_cast<Job*>(p);
      job.result.pageIndex = PanelExPageIndex(job.panel);
      LockGuard mapLock(Locks().windowMap);
      job.result.windowMapLock = mapLock.Held();
      return 0;
    }
  } job{panelNumber, {}};
  HANDLE thread = CreateThread(nullptr, 0, Job::Run, &job, 0, nullptr);
  if (!thread) return job.result;
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < 10000) {
    const DWORD wait = MsgWaitForMultipleObjects(1, &thread, FALSE, 50, QS_ALLINPUT);
    if (wait == WAIT_OBJECT_0) break;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  }
  WaitForSingleObject(thread, 10000);
  CloseHandle(thread);
  return job.result;
}

TEST_F(PanelLockRule, AnotherThreadGetsTheLocksWhileACallbackRunsAModalLoop) {
  Set(kAuto, 1);
  HWND child = nullptr;
  const struct {
    const char* name;
    std::function<void()> moveThePage;
  } cases[] = {
      {"a window shown on the page", [&] {
         child = CreateWindowExW(0, PlainWindowClass(), L"", WS_CHILD, 0, 0, 400, 300, page_, nullptr, nullptr, nullptr);
         ShowWindow(child, SW_SHOW);
       }},
      {"the panel resized", [&] { ResizePanel(180, 90); }},
      {"scrolled", [&] { Scroll(false, SB_PAGEDOWN); }},
      {"the page shown again after a move", [&] {
         MoveWindow(child, 0, 0, 500, 400, TRUE);
         ShowPanelExPage(number_, 0);
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    bool asked = false;
    OtherThreadResult result;
    // The page's own moves reach the callback as WM_WINDOWPOSCHANGING.
    CallbackRecorder().onSeen = [&](const Seen& s) {
      if (asked || s.window != page_ || s.message != WM_WINDOWPOSCHANGING) return;
      asked = true;
      result = AskAnotherThread(number_);
    };
    c.moveThePage();
    PumpMessages();
    ASSERT_TRUE(asked) << "the page was not moved";
    EXPECT_EQ(0, result.pageIndex) << "PanelLock was held across the callback";
    EXPECT_TRUE(result.windowMapLock) << "WindowMapLock was held across the callback";
  }
  CallbackRecorder().onSeen = nullptr;
  DestroyWindow(child);
}

}  // namespace
}  // namespace kelvra::test
