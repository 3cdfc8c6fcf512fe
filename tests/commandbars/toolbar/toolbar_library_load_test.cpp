// Toolbars through Kelvra.dll loaded at run time: FreeToolBarEx(-1) and then
// Kelvra_End leave no toolbar window, tool-tip window or image list behind, and
// the library unloads.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include "tests/support/dll_exports.h"
#include "tests/support/library_unload.h"

namespace {

using kelvra::test::LoadedKelvra;

struct Library : LoadedKelvra {
  int(WINAPI* create)(int, HWND, int, int, int) = nullptr;
  int(WINAPI* imageButton)(int, LPCWSTR, HANDLE, HANDLE, HANDLE, int) = nullptr;
  int(WINAPI* dropdown)(int, int, LPCWSTR, HANDLE, HANDLE, HANDLE, int) = nullptr;
  int(WINAPI* toolTip)(int, int, LPCWSTR) = nullptr;
  HWND(WINAPI* id)(int) = nullptr;
  int(WINAPI* free)(int) = nullptr;

  bool Load() {
    return LoadWithStartAndEnd() && Bind(create, "CreateToolBarEx") && Bind(imageButton, "ToolBarImageButtonEx") &&
           Bind(dropdown, "ToolBarDropdownImageButtonEx") && Bind(toolTip, "ToolBarExToolTip") &&
           Bind(id, "ToolBarExID") && Bind(free, "FreeToolBarEx");
  }
};

struct Made {
  HWND toolbar, tip;
  HIMAGELIST lists[3];
};

Made MakeToolbar(Library& library, HWND host, HICON icon) {
  const int number = library.create(-1, host, 16, 16, 0);
  EXPECT_NE(number, 0);
  for (int i = 0; i < 5; ++i) EXPECT_NE(library.imageButton(-1, L"b", icon, nullptr, nullptr, 0), 0);
  const int drop = library.dropdown(-1, 0, L"d", icon, nullptr, nullptr, 0);
  EXPECT_EQ(library.toolTip(number, drop, L"tip"), 1);
  Made made{};
  made.toolbar = library.id(number);
  made.tip = reinterpret_cast<HWND>(SendMessageW(made.toolbar, TB_GETTOOLTIPS, 0, 0));
  made.lists[0] = reinterpret_cast<HIMAGELIST>(SendMessageW(made.toolbar, TB_GETIMAGELIST, 0, 0));
  made.lists[1] = reinterpret_cast<HIMAGELIST>(SendMessageW(made.toolbar, TB_GETHOTIMAGELIST, 0, 0));
  made.lists[2] = reinterpret_cast<HIMAGELIST>(SendMessageW(made.toolbar, TB_GETDISABLEDIMAGELIST, 0, 0));
  EXPECT_TRUE(IsWindow(made.tip));
  for (HIMAGELIST list : made.lists) EXPECT_EQ(ImageList_GetImageCount(list), 6);
  return made;
}

void ExpectGone(const Made& made) {
  EXPECT_FALSE(IsWindow(made.toolbar));
  EXPECT_FALSE(IsWindow(made.tip));
  for (HIMAGELIST list : made.lists) EXPECT_EQ(ImageList_GetImageCount(list), 0);
}

TEST(ToolbarLibrary, FreeAndEndLeaveNothingBehind) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  Library library;
  ASSERT_TRUE(library.Load());
  library.start();
  const HWND host = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 400, 100, nullptr, nullptr, nullptr, nullptr);
  HICON icon = LoadIconW(nullptr, IDI_APPLICATION);

  const Made freed = MakeToolbar(library, host, icon);
  EXPECT_EQ(library.free(-1), 1);
  ExpectGone(freed);
  EXPECT_TRUE(IsWindow(host));

  const Made ended = MakeToolbar(library, host, icon);
  library.end();
  ExpectGone(ended);
  kelvra::test::FreeAndExpectUnloaded(library.module);
}

}  // namespace
