// Explorer bars through Kelvra.dll loaded at run time, twice over: Kelvra_End
// while groups are moving returns within the animation thread's bound and leaves
// no window of the bar, and a library loaded again has no current bar left from
// the first one.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "tests/support/dll_exports.h"
#include "tests/support/library_unload.h"
#include "tests/support/win_test_helpers.h"

namespace {

using kelvra::test::LoadedKelvra;

struct Library : LoadedKelvra {
  int(WINAPI* create)(HWND, int, int, int, int, int, HANDLE) = nullptr;
  int(WINAPI* addGroup)(LPCWSTR) = nullptr;
  int(WINAPI* addItem)(int, LPCWSTR) = nullptr;
  HWND(WINAPI* barId)(int) = nullptr;
  HWND(WINAPI* buttonId)(int) = nullptr;

  bool Load() {
    return LoadWithStartAndEnd() && Bind(create, "CreateExplorerBar") && Bind(addGroup, "AddExplorerBarGroup") &&
           Bind(addItem, "ExplorerBarItem") && Bind(barId, "ExplorerBarID") && Bind(buttonId, "ButtonExID");
  }
};

BOOL CALLBACK CollectChildren(HWND window, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

int HeightOf(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect.bottom - rect.top;
}

void UseBars(Library& library) {
  ASSERT_TRUE(library.Load());
  library.start();
  // Kelvra_End destroys the process's top-level windows; a hidden one goes fast.
  const HWND host = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 300, 400, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(host, nullptr);
  EXPECT_EQ(library.addGroup(L"no bar yet"), 0) << "no current bar from an earlier library";
  EXPECT_EQ(library.addItem(-1, L"no group yet"), 0);
  const int bar = library.create(host, -1, 0, 0, 220, 380, nullptr);
  ASSERT_NE(bar, 0);
  std::vector<int> headers;
  for (int g = 0; g < 3; ++g) {
    headers.push_back(library.addGroup(L"group"));
    ASSERT_NE(headers.back(), 0);
    ASSERT_NE(library.addItem(-1, L"item"), 0);
  }
  const HWND barWindow = library.barId(bar);
  const HWND barPage = GetParent(library.buttonId(headers[0]));
  std::vector<HWND> windows;
  EnumChildWindows(barWindow, CollectChildren, reinterpret_cast<LPARAM>(&windows));
  // A body: the bar page's child that is no header.
  HWND body = nullptr;
  for (HWND child : windows)
    if (GetParent(child) == barPage && child != library.buttonId(headers[0]) &&
        child != library.buttonId(headers[1]) && child != library.buttonId(headers[2]))
      body = child;
  ASSERT_NE(body, nullptr);
  const int full = HeightOf(body);

  // Every header's click, as its button posts it to the bar's page.
  for (int header : headers) PostMessageW(barPage, WM_COMMAND, static_cast<WPARAM>(header), 0);
  ASSERT_TRUE(kelvra::test::PumpUntil([&] { return HeightOf(body) < full - 4; }, 15000));

  const DWORD start = GetTickCount();
  library.end();
  EXPECT_LT(GetTickCount() - start, 5000u) << "Kelvra_End while groups move";
  EXPECT_FALSE(IsWindow(barWindow));
  for (HWND window : windows) EXPECT_FALSE(IsWindow(window));
  kelvra::test::FreeAndExpectUnloaded(library.module);
}

TEST(ExplorerBarLibraryLoad, EndMidAnimationLeavesNothingAndALaterLibraryStartsClean) {
  Library first;
  UseBars(first);
  Library second;
  UseBars(second);
}

}  // namespace
