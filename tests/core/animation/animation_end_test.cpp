// Kelvra_End in the middle of an animation, while the thread waits on this
// thread in a sent message: the thread still ends, with 1337, within the bound.
#include <gtest/gtest.h>

#include "core/library/library_globals.h"
#include "kelvra.h"
#include "tests/core/animation/animation_fixture.h"

namespace kelvra::test {
namespace {

TEST(AnimationEnd, EndMidAnimationStopsTheThreadWithinItsBound) {
  StartKelvra();
  ASSERT_TRUE(PumpUntil([] { return Globals().animationMailbox != nullptr; }));
  HANDLE thread = nullptr;
  ASSERT_TRUE(DuplicateHandle(GetCurrentProcess(), Globals().animationThread, GetCurrentProcess(), &thread,
                              SYNCHRONIZE | THREAD_QUERY_INFORMATION, FALSE, 0));

  AnimatedStack s(10);
  ASSERT_TRUE(s.Animate(5000));
  ASSERT_TRUE(PumpUntil([&] { return s.StepsSeen() >= 2; }));
  // Stop pumping: a frame later the thread is blocked sending to this thread.
  Sleep(60);

  // About one second at most for the thread, and the rest of the end; the bound
  // leaves room for a machine busy with other test programs.
  const DWORD start = GetTickCount();
  Kelvra_End();
  const DWORD took = GetTickCount() - start;
  EXPECT_LT(took, 3000u);
  EXPECT_EQ(static_cast<DWORD>(WAIT_OBJECT_0), WaitForSingleObject(thread, 0)) << "ended by the time Kelvra_End returned";
  DWORD code = 0;
  EXPECT_TRUE(GetExitCodeThread(thread, &code));
  EXPECT_EQ(1337u, code);
  CloseHandle(thread);
  EXPECT_EQ(nullptr, Globals().animationMailbox);

  // No thread: the poster frees its own block and says so.
  RECT r{0, 0, 10, 10};
  EXPECT_FALSE(PostPageAnimation(s.animated, r, r));
}

}  // namespace
}  // namespace kelvra::test
