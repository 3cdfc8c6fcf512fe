// Kelvra.dll loaded, started, ended and unloaded again and again: what starting
// adds (the animation thread and what it waits with) leaves no kernel handle
// behind. Wine's process handle count reads 0, so handles are counted by asking
// each small handle value whether it is open.
#include <gtest/gtest.h>
#include <windows.h>

#include "tests/support/dll_exports.h"

namespace {

using kelvra::test::LoadedKelvra;

int OpenHandles() {
  int open = 0;
  DWORD flags = 0;
  for (UINT_PTR value = 4; value < 0x2000; value += 4)
    if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) ++open;
  return open;
}

// One life of the library; the handles it leaves open.
int HandlesLeftByOneLife(bool started) {
  const int before = OpenHandles();
  LoadedKelvra library;
  EXPECT_TRUE(library.LoadWithStartAndEnd());
  if (started) library.start();
  library.end();
  EXPECT_TRUE(FreeLibrary(library.module));
  return OpenHandles() - before;
}

TEST(AnimationUnloadLoad, StartingLeavesNoHandleBehind) {
  // The first lives load the system's own libraries for good.
  for (int warm = 0; warm < 2; ++warm) {
    HandlesLeftByOneLife(true);
    HandlesLeftByOneLife(false);
  }
  const int unstarted = HandlesLeftByOneLife(false);
  const int started = HandlesLeftByOneLife(true);
  EXPECT_EQ(started, unstarted);
}

}  // namespace
