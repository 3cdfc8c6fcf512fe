// Splitters through Kelvra.dll loaded at run time: the library's end frees them,
// the one being dragged included, so no low-level mouse hook is left pointing
// into the unloaded module, and the gadgets stay the application's. Moves the
// real pointer (run alone: variants.cmake).
#include <gtest/gtest.h>
#include <windows.h>

#include "tests/support/dll_exports.h"
#include "tests/support/library_unload.h"
#include "tests/support/pointer_input.h"

namespace {

using kelvra::test::LoadedKelvra;

struct Library : LoadedKelvra {
  int(WINAPI* splitterEx)(HWND, int, int, int, int, int, HWND, HWND, HANDLE, int) = nullptr;
  HWND(WINAPI* splitterExId)(int) = nullptr;
  int(WINAPI* getAttribute)(int, int) = nullptr;

  bool Load() {
    return LoadWithStartAndEnd() && Bind(splitterEx, "SplitterEx") && Bind(splitterExId, "SplitterExID") &&
           Bind(getAttribute, "GetSplitterExAttribute");
  }
};

HWND MakeWindow(HWND parent, int x, int y, int width, int height) {
  return CreateWindowExW(0, L"STATIC", L"", (parent ? WS_CHILD : WS_POPUP) | WS_VISIBLE, x, y, width, height,
                         parent, nullptr, nullptr, nullptr);
}

// The library goes while a bar is being dragged: through FreeLibrary (the
// loader's end) the first time, through Kelvra_End the second.
void DragWhileTheLibraryEnds(bool throughLoader) {
  Library library;
  ASSERT_TRUE(library.Load());
  library.start();
  const HWND host = MakeWindow(nullptr, 0, 0, 400, 300);
  ASSERT_NE(host, nullptr);
  kelvra::test::ShowAndRaise(host);
  const HWND left = MakeWindow(host, 0, 0, 10, 10), right = MakeWindow(host, 0, 0, 10, 10);
  const int splitter = library.splitterEx(host, -1, 0, 0, 400, 300, left, right, nullptr, 0);
  ASSERT_NE(splitter, 0);
  const HWND container = library.splitterExId(splitter);
  EXPECT_EQ(library.getAttribute(splitter, 512), 198);

  kelvra::test::MovePointerTo(POINT{200, 150});
  kelvra::test::PressLeftButton();
  kelvra::test::MovePointerTo(POINT{230, 150});
  EXPECT_TRUE(kelvra::test::PumpUntil([&] { return library.getAttribute(splitter, 512) == 228; }, 3000));

  if (throughLoader) {
    kelvra::test::FreeAndExpectUnloaded(library.module);
  } else {
    library.end();
    EXPECT_FALSE(IsWindow(container));
    kelvra::test::FreeAndExpectUnloaded(library.module);
  }
  // A hook left behind would now be called at an unloaded address.
  kelvra::test::MovePointerTo(POINT{260, 160});
  kelvra::test::ReleaseLeftButton();
  kelvra::test::MovePointerAway();
  kelvra::test::PumpMessagesFor(50);
  EXPECT_EQ(GetCapture(), nullptr);
  if (IsWindow(left)) {
    EXPECT_NE(GetParent(left), container);
  }
  if (IsWindow(host)) DestroyWindow(host);
}

TEST(SplitterLibraryLoad, EndFreesSplittersMidDragAndLeavesNoHook) {
  DragWhileTheLibraryEnds(true);
  DragWhileTheLibraryEnds(false);
}

}  // namespace
