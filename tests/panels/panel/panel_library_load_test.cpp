// Panels through Kelvra.dll loaded at run time, twice over: the window classes go
// with Kelvra_End, FreeLibrary unloads the library, and a library loaded again
// (perhaps at the same address) registers its own and its panels work.
#include <gtest/gtest.h>
#include <windows.h>

#include "tests/support/dll_exports.h"
#include "tests/support/library_unload.h"

namespace {

using kelvra::test::LoadedKelvra;

struct Library : LoadedKelvra {
  int(WINAPI* createPanel)(int, HWND, int, int, int, int, WNDPROC) = nullptr;
  HWND(WINAPI* addPage)(int) = nullptr;
  HWND(WINAPI* panelId)(int, int) = nullptr;
  int(WINAPI* pageIndex)(int) = nullptr;

  bool Load() {
    return LoadWithStartAndEnd() && Bind(createPanel, "CreatePanelEx") && Bind(addPage, "AddPanelExPage") &&
           Bind(panelId, "PanelExID") && Bind(pageIndex, "PanelExPageIndex");
  }
};

int gCallbackCalls = 0;
LRESULT CALLBACK Counting(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  ++gCallbackCalls;
  return DefWindowProcW(window, message, wParam, lParam);
}

HWND HiddenHost() {
  // Kelvra_End destroys the process's top-level windows; a hidden one goes fast.
  return CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr, nullptr, nullptr);
}

// One life of the library: a panel with a page that answers its messages.
void UsePanels(Library& library) {
  ASSERT_TRUE(library.Load());
  library.start();
  const HWND host = HiddenHost();
  ASSERT_NE(host, nullptr);
  const int number = library.createPanel(-1, host, 0, 0, 200, 100, Counting);
  ASSERT_NE(number, 0);
  const HWND panel = library.panelId(number, -1);
  const HWND page = library.addPage(-1);
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(GetParent(page), panel);
  EXPECT_EQ(library.pageIndex(number), 0);
  gCallbackCalls = 0;
  SendMessageW(page, WM_LBUTTONDOWN, 0, 0);
  EXPECT_GT(gCallbackCalls, 0);
  WNDCLASSEXW info{};
  info.cbSize = sizeof(info);
  EXPECT_TRUE(GetClassInfoExW(library.module, L"Kelvra_PanelExPage", &info));

  library.end();
  EXPECT_FALSE(IsWindow(page));
  EXPECT_FALSE(IsWindow(panel));
  EXPECT_FALSE(GetClassInfoExW(library.module, L"Kelvra_PanelEx", &info));
  EXPECT_FALSE(GetClassInfoExW(library.module, L"Kelvra_PanelExPage", &info));
  kelvra::test::FreeAndExpectUnloaded(library.module);
}

TEST(PanelLibraryLoad, PanelsWorkAcrossAnUnloadAndReload) {
  Library first;
  UsePanels(first);
  Library second;
  UsePanels(second);
}

}  // namespace
