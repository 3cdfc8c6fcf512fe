// Kelvra.dll binds a hot key (its message hook on this thread) and makes a
// toolbar (the menu keyboard hook), ends and is unloaded: keys typed afterwards
// find no hook of the gone module, and the bindings went with it; binding after
// the end is refused.
#include <gtest/gtest.h>
#include <windows.h>

#include "tests/support/dll_exports.h"
#include "tests/support/key_input.h"
#include "tests/support/library_unload.h"
#include "tests/support/pointer_input.h"
#include "tests/support/win_test_helpers.h"

namespace {

int commands = 0;
LRESULT CALLBACK TopProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND) ++commands;
  return DefWindowProcW(window, message, wParam, lParam);
}

TEST(HotKeyUnload, KeysTypedAfterTheLibraryWentReachTheWindow) {
  const wchar_t* className = kelvra::test::RegisterTestWindowClass(L"KelvraHotKeyUnloadTop", TopProc);
  kelvra::test::TestWindow top(className, WS_OVERLAPPEDWINDOW, 50, 50, 300, 200);
  kelvra::test::ShowAndRaise(top);
  SetFocus(top);

  kelvra::test::LoadedKelvra library;
  ASSERT_TRUE(library.LoadWithStartAndEnd());
  int(WINAPI * hotKey)(HWND, int, LPCWSTR) = nullptr;
  ASSERT_TRUE(library.Bind(hotKey, "HotKey"));
  ASSERT_EQ(1, hotKey(top, 42, L"f7"));
  int(WINAPI * createToolBarEx)(int, HWND, int, int, int) = nullptr;
  ASSERT_TRUE(library.Bind(createToolBarEx, "CreateToolBarEx"));
  ASSERT_NE(0, createToolBarEx(-1, top, 0, 0, 0));
  SetFocus(top);
  kelvra::test::TapKey(VK_F7);
  ASSERT_TRUE(kelvra::test::PumpUntil([] { return commands == 1; }, 2000)) << "the key did not fire while loaded";

  library.end();
  // Bound after the end, a key would put a hook of the module back on this thread.
  EXPECT_EQ(0, hotKey(top, 43, L"f8"));
  kelvra::test::FreeAndExpectUnloaded(library.module);
  kelvra::test::TapKey(VK_F7);
  kelvra::test::TapKey(VK_MENU);
  kelvra::test::TapKey(VK_F10);
  kelvra::test::PumpMessagesFor(100);
  EXPECT_EQ(1, commands);
}

}  // namespace
