// Kelvra_End gives host windows their own procedures back, but leaves a
// subclass the application made after the library in its place, with the
// library's procedure passing messages on beneath it. Its own program: it ends
// the library, which the other tests need running.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <map>

#include "commandbars/commandbars_seam.h"
#include "commandbars/host_window/host_window.h"
#include "commandbars/host_window/host_window_record.h"
#include "core/windows/common_subclass_proc.h"
#include "kelvra.h"
#include "tests/support/win_test_helpers.h"

namespace {

using kelvra::HostWindowProc;
using kelvra::HostWindows;

std::map<HWND, WNDPROC> gProcedureAtDestroy;
std::map<HWND, int> gOwnUserMessages;
int gApplicationUserMessages = 0;

LRESULT CALLBACK OwnProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY)
    gProcedureAtDestroy[window] = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
  if (message == WM_USER) ++gOwnUserMessages[window];
  return DefWindowProcW(window, message, wParam, lParam);
}

WNDPROC gBelowApplicationSubclass = nullptr;
LRESULT CALLBACK ApplicationSubclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_USER) ++gApplicationUserMessages;
  return CallWindowProcW(gBelowApplicationSubclass, window, message, wParam, lParam);
}

HWND Make() {
  static const wchar_t* name = kelvra::test::RegisterTestWindowClass(L"KelvraHostEndWindow", OwnProc);
  return CreateWindowExW(0, name, L"", WS_POPUP, 0, 0, 300, 100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

WNDPROC ProcedureOf(HWND window) { return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)); }

TEST(HostWindowEnd, OwnProceduresBackAndLaterSubclassesKeptWhole) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  StartKelvra();
  const HWND plain = Make();
  const HWND subclassedLater = Make();
  for (HWND window : {plain, subclassedLater}) {
    ASSERT_NE(CreateToolBarEx(-1, window, 16, 16, 0), 0);
    ASSERT_EQ(ProcedureOf(window), HostWindowProc);
  }
  gBelowApplicationSubclass = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(subclassedLater, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ApplicationSubclass)));
  ASSERT_EQ(gBelowApplicationSubclass, HostWindowProc);

  kelvra::steps::RestoreHostWindowProcedures();
  // The creation hook's subclass is beneath ours, and gets its own back next.
  EXPECT_EQ(ProcedureOf(plain), kelvra::CommonSubclassProc);
  EXPECT_FALSE(HostWindows().Contains(plain));
  EXPECT_EQ(ProcedureOf(subclassedLater), ApplicationSubclass);
  EXPECT_TRUE(HostWindows().Contains(subclassedLater)) << "ours stays in the application's chain";
  SendMessageW(subclassedLater, WM_USER, 0, 0);
  EXPECT_EQ(gApplicationUserMessages, 1);
  EXPECT_EQ(gOwnUserMessages[subclassedLater], 1);

  Kelvra_End();

  for (HWND window : {plain, subclassedLater}) {
    EXPECT_FALSE(IsWindow(window));
    ASSERT_TRUE(gProcedureAtDestroy.count(window));
  }
  EXPECT_EQ(gProcedureAtDestroy[plain], OwnProc);
  EXPECT_EQ(gProcedureAtDestroy[subclassedLater], ApplicationSubclass);
  EXPECT_FALSE(HostWindows().Contains(subclassedLater)) << "dropped with its window";
  EXPECT_EQ(HostWindows().Size(), 0u);
}

}  // namespace
