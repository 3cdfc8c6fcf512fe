// Kelvra_End gives the windows the creation hook subclassed their own procedures
// back. Its own program: it ends the library, which the other tests need running.
#include <gtest/gtest.h>

#include <windows.h>

#include <map>

#include "core/windows/common_subclass_proc.h"
#include "kelvra.h"
#include "tests/support/win_test_helpers.h"

namespace {

// The procedure each window has when it is destroyed (Kelvra_End destroys the
// process's top-level windows after restoring procedures).
std::map<HWND, WNDPROC> gProcedureAtDestroy;
std::map<HWND, bool> gOwnProcSawNcDestroy;

LRESULT CALLBACK OwnProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) gProcedureAtDestroy[window] = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
  if (message == WM_NCDESTROY) gOwnProcSawNcDestroy[window] = true;
  return DefWindowProcW(window, message, wParam, lParam);
}

WNDPROC gBelowApplicationSubclass = nullptr;
LRESULT CALLBACK ApplicationSubclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcW(gBelowApplicationSubclass, window, message, wParam, lParam);
}

HWND Make(DWORD style, HWND parent = nullptr) {
  static const wchar_t* name = kelvra::test::RegisterTestWindowClass(L"KelvraOwnProcWindow", OwnProc);
  return CreateWindowExW(0, name, L"", style, 0, 0, 100, 100, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
}

WNDPROC ProcedureOf(HWND window) { return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)); }

TEST(KelvraEnd, PutsOwnProceduresBackAndLeavesLaterSubclassesAlone) {
  // Made before the start: never registered; LimitWindowSize gives it an entry
  // with no saved procedure, which must not become its procedure at the end.
  const HWND early = Make(WS_POPUP);
  LimitWindowSize(early, 150, 0, 0, 0);
  EXPECT_EQ(ProcedureOf(early), OwnProc);

  StartKelvra();
  const HWND plain = Make(WS_POPUP);
  const HWND child = Make(WS_CHILD, plain);
  const HWND subclassedLater = Make(WS_POPUP);
  ASSERT_EQ(ProcedureOf(plain), kelvra::CommonSubclassProc);
  ASSERT_EQ(ProcedureOf(child), kelvra::CommonSubclassProc);
  ASSERT_EQ(ProcedureOf(subclassedLater), kelvra::CommonSubclassProc);
  gBelowApplicationSubclass = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(subclassedLater, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ApplicationSubclass)));

  Kelvra_End();

  for (HWND window : {early, plain, child, subclassedLater}) {
    EXPECT_FALSE(IsWindow(window));
    ASSERT_TRUE(gProcedureAtDestroy.count(window));
  }
  EXPECT_EQ(gProcedureAtDestroy[early], OwnProc);
  EXPECT_EQ(gProcedureAtDestroy[plain], OwnProc);
  EXPECT_EQ(gProcedureAtDestroy[child], OwnProc);
  EXPECT_EQ(gProcedureAtDestroy[subclassedLater], ApplicationSubclass);
  // Through the application's chain the window's own procedure still got its end.
  EXPECT_TRUE(gOwnProcSawNcDestroy[subclassedLater]);

  // A second end finds nothing left to do.
  EXPECT_EQ(Kelvra_End(), 0);
}

}  // namespace
