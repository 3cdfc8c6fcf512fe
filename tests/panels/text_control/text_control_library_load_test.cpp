// Text controls through Kelvra.dll loaded at run time: Kelvra_End frees every
// control with its panel, FreeLibrary unloads the library, and a library loaded
// again starts afresh.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/support/dll_exports.h"
#include "tests/support/library_unload.h"

namespace {

using kelvra::test::LoadedKelvra;

struct Library : LoadedKelvra {
  int(WINAPI* create)(HWND, int, int, int, int, int, LPCWSTR, int) = nullptr;
  HWND(WINAPI* id)(int) = nullptr;
  int(WINAPI* freeControl)(int) = nullptr;
  LPCWSTR(WINAPI* text)(int) = nullptr;

  bool Load() {
    return LoadWithStartAndEnd() && Bind(create, "TextControlEx") && Bind(id, "TextControlExID") &&
           Bind(freeControl, "FreeTextControlEx") && Bind(text, "GetTextControlExText");
  }
};

void UseTextControls(Library& library) {
  ASSERT_TRUE(library.Load());
  library.start();
  // Kelvra_End destroys the process's top-level windows; a hidden one goes fast.
  const HWND host = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(host, nullptr);
  EXPECT_EQ(library.freeControl(-1), 1) << "none yet";
  HWND panels[3] = {};
  for (HWND& panel : panels) {
    const int number = library.create(host, -1, 0, 0, 0, 0, L"\\l1a link\\l and text", 0);
    ASSERT_NE(number, 0);
    panel = library.id(number);
    ASSERT_TRUE(IsWindow(panel));
  }
  const int numbered = library.create(host, 9, 0, 0, 0, 0, L"numbered", 0);
  EXPECT_EQ(numbered, static_cast<int>(reinterpret_cast<intptr_t>(library.id(9))));
  EXPECT_NE(numbered, 0);
  // A text-returning export: the calling thread's result string is the library's
  // until the library goes, and must not keep it loaded.
  EXPECT_EQ(std::wstring(L"numbered"), library.text(9));
  const HWND page = GetWindow(panels[0], GW_CHILD);
  library.end();
  for (HWND panel : panels) EXPECT_FALSE(IsWindow(panel));
  EXPECT_FALSE(IsWindow(page));
  kelvra::test::FreeAndExpectUnloaded(library.module);
}

TEST(TextControlLibraryLoad, EndFreesEveryControlAndALaterLibraryStartsAfresh) {
  Library first;
  UseTextControls(first);
  Library second;
  UseTextControls(second);  // number 9 is free again
}

}  // namespace
