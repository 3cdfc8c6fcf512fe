// Buttons through Kelvra.dll loaded at run time, twice over: Kelvra_End leaves no
// button window or tool tip behind, FreeLibrary unloads the library, and a library
// loaded again numbers and skins its buttons afresh.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "tests/support/dll_exports.h"
#include "tests/support/library_unload.h"

namespace {

using kelvra::test::LoadedKelvra;

struct Library : LoadedKelvra {
  int(WINAPI* buttonEx)(HWND, int, int, int, int, int, LPCWSTR, HANDLE, HANDLE, HANDLE, HANDLE, HANDLE) = nullptr;
  int(WINAPI* checkButtonEx)(HWND, int, int, int, int, int, LPCWSTR, HANDLE) = nullptr;
  HWND(WINAPI* buttonExId)(int) = nullptr;
  int(WINAPI* toolTip)(int, LPCWSTR) = nullptr;
  LPCWSTR(WINAPI* text)(int) = nullptr;

  bool Load() {
    return LoadWithStartAndEnd() && Bind(buttonEx, "ButtonEx") && Bind(checkButtonEx, "CheckButtonEx") &&
           Bind(buttonExId, "ButtonExID") && Bind(toolTip, "ButtonExToolTip") && Bind(text, "GetButtonExText");
  }
};

BOOL CALLBACK CollectToolTips(HWND window, LPARAM list) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  if (std::wstring(name) == L"tooltips_class32") reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

std::vector<HWND> ToolTipsOfThisThread() {
  std::vector<HWND> found;
  EnumThreadWindows(GetCurrentThreadId(), CollectToolTips, reinterpret_cast<LPARAM>(&found));
  return found;
}

void UseButtons(Library& library) {
  ASSERT_TRUE(library.Load());
  library.start();
  // Kelvra_End destroys the process's top-level windows; a hidden one goes fast.
  const HWND host = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(host, nullptr);
  HICON icon = LoadIconW(nullptr, IDI_APPLICATION);
  const int push = library.buttonEx(host, -1, 0, 0, 80, 24, L"push", icon, icon, nullptr, nullptr, nullptr);
  EXPECT_EQ(push, 0xFFFE);
  const int check = library.checkButtonEx(host, -1, 0, 30, 80, 24, L"check", nullptr);
  ASSERT_NE(check, 0);
  const HWND pushWindow = library.buttonExId(push), checkWindow = library.buttonExId(check);
  ASSERT_TRUE(IsWindow(pushWindow) && IsWindow(checkWindow));
  EXPECT_EQ(std::wstring(L"push"), library.text(push));
  const size_t toolTipsBefore = ToolTipsOfThisThread().size();
  EXPECT_EQ(library.toolTip(push, L"tip"), 1);
  EXPECT_EQ(ToolTipsOfThisThread().size(), toolTipsBefore + 1);

  library.end();
  EXPECT_FALSE(IsWindow(pushWindow));
  EXPECT_FALSE(IsWindow(checkWindow));
  EXPECT_EQ(ToolTipsOfThisThread().size(), 0u);
  kelvra::test::FreeAndExpectUnloaded(library.module);
}

TEST(ButtonLibraryLoad, EndLeavesNoButtonWindowsOrToolTipsAndALaterLibraryStartsAfresh) {
  Library first;
  UseButtons(first);
  Library second;
  UseButtons(second);  // numbered from 65534 again
}

}  // namespace
