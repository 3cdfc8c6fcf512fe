// MoveWindowsTogether on real child windows: every live window ends at its
// rectangle, windows that are gone are left out without costing the others their
// move, and a batch ended from another thread lands while this one pumps.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

#include "core/windows/windows_moved_together.h"
#include "tests/support/win_test_helpers.h"

namespace {

using kelvra::WindowMove;
using kelvra::test::PlainWindowClass;
using kelvra::test::TestWindow;

// The window's rectangle in its parent's client coordinates.
RECT PlaceOf(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

bool IsAt(HWND window, const WindowMove& move) {
  const RECT r = PlaceOf(window);
  return r.left == move.x && r.top == move.y && r.right - r.left == move.width && r.bottom - r.top == move.height;
}

class WindowsMovedTogether : public testing::Test {
 protected:
  static constexpr int kChildren = 4;

  void SetUp() override {
    for (int i = 0; i < kChildren; ++i)
      children_.push_back(std::make_unique<TestWindow>(PlainWindowClass(), WS_CHILD | WS_VISIBLE, 0, 0, 10, 10,
                                                       host_.get()));
  }

  HWND Child(int i) const { return children_[static_cast<size_t>(i)]->get(); }

  TestWindow host_{PlainWindowClass(), WS_OVERLAPPEDWINDOW, 0, 0, 400, 300};
  std::vector<std::unique_ptr<TestWindow>> children_;
};

TEST_F(WindowsMovedTogether, LiveWindowsMoveAndGoneOnesAreLeftOut) {
  struct Case {
    const char* what;
    std::vector<int> order;  // child indexes; -1 a null window, -2 a destroyed one
  };
  const Case cases[] = {
      {"one window", {0}},
      {"every window", {0, 1, 2, 3}},
      {"a null window first", {-1, 1, 2}},
      {"a destroyed window in the middle", {0, -2, 3}},
      {"only gone windows", {-1, -2}},
      {"nothing at all", {}},
  };
  int round = 0;
  for (const Case& c : cases) {
    ++round;
    std::vector<WindowMove> moves;
    std::vector<std::unique_ptr<TestWindow>> doomed;
    for (size_t n = 0; n < c.order.size(); ++n) {
      const int index = c.order[n];
      HWND window = nullptr;
      if (index >= 0) {
        window = Child(index);
      } else if (index == -2) {
        doomed.push_back(std::make_unique<TestWindow>(PlainWindowClass(), WS_CHILD, 0, 0, 5, 5, host_.get()));
        window = doomed.back()->get();
        doomed.back().reset();  // destroyed: its handle is stale now
      }
      const int step = static_cast<int>(n) + 1;
      moves.push_back(WindowMove{window, round * 7 + step, round * 3 + step * 20, 30 + step, 12 + round});
    }
    kelvra::MoveWindowsTogether(moves, SWP_NOREDRAW | SWP_NOZORDER | SWP_NOACTIVATE);
    for (const WindowMove& move : moves) {
      if (move.window && IsWindow(move.window)) {
        EXPECT_TRUE(IsAt(move.window, move)) << c.what;
      }
    }
  }
}

TEST_F(WindowsMovedTogether, WithoutNoZOrderTheMovedWindowsAreRaised) {
  // Children start in creation order: 0 on top of the z-order, 3 at the bottom.
  const std::vector<WindowMove> moves{{Child(3), 0, 0, 20, 20}, {Child(2), 5, 5, 20, 20}};
  kelvra::MoveWindowsTogether(moves, SWP_NOREDRAW | SWP_NOACTIVATE);
  EXPECT_TRUE(IsAt(Child(3), moves[0]));
  EXPECT_TRUE(IsAt(Child(2), moves[1]));
  // Both now lie above the windows that were not moved.
  const HWND first = GetWindow(host_.get(), GW_CHILD);
  const HWND second = GetWindow(first, GW_HWNDNEXT);
  EXPECT_TRUE((first == Child(3) && second == Child(2)) || (first == Child(2) && second == Child(3)));
}

TEST_F(WindowsMovedTogether, AnotherThreadsBatchLandsWhileTheOwnerPumps) {
  const std::vector<WindowMove> moves{{Child(0), 11, 12, 40, 41}, {Child(1), 51, 52, 60, 61}};
  std::atomic<bool> done{false};
  std::thread mover([&] {
    kelvra::MoveWindowsTogether(moves, SWP_NOREDRAW | SWP_NOZORDER | SWP_NOACTIVATE);
    done = true;
  });
  // The batch's end waits on this thread: pump until it has returned.
  const bool returned = kelvra::test::PumpUntil([&] { return done.load(); });
  if (!returned) kelvra::test::PumpUntil([&] { return done.load(); }, 60000);  // never join a waiting thread
  mover.join();
  ASSERT_TRUE(returned);
  EXPECT_TRUE(IsAt(Child(0), moves[0]));
  EXPECT_TRUE(IsAt(Child(1), moves[1]));
}

}  // namespace
