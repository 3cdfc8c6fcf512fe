// The animation thread easing panels that sit on a page of an outer panel: each
// frame the inner panel's page takes the frame's alpha and the outer panel (the
// grandparent) hears WM_SIZE, whose callback records what it sees. The test
// thread pumps: the thread's sends and window moves run here.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <vector>

#include "core/library/library_globals.h"
#include "tests/core/animation/animation_fixture.h"
#include "tests/panels/panel/panel_test_support.h"

namespace {

using namespace kelvra;
using namespace kelvra::test;

// Every frame of an animation, however slow the machine: a loaded one (a whole
// suite building beside this program) took more than 5 s for the longer one.
constexpr DWORD kAnimationBoundMs = 30000;

struct Frame {
  int alpha;
  int height;
};

// An outer panel on the host with one page, holding an inner panel with one page
// at (10, 10), 100 wide.
struct Nest {
  Nest(int x, int height) {
    outer = PanelExID(CreatePanelEx(-1, Host(), x, 0, 150, 350, RecordingCallback), -1);
    outerPage = AddPanelExPage(-1);
    inner = PanelExID(CreatePanelEx(-1, outerPage, 10, 10, 100, height, nullptr), -1);
    innerPage = AddPanelExPage(-1);
  }
  RECT Rect() const { return WindowRectIn(inner, outerPage); }
  bool Animate(int targetHeight) const {
    const RECT current = Rect();
    RECT target = current;
    target.bottom = current.top + targetHeight;
    return PostPageAnimation(inner, current, target);
  }
  HWND outer = nullptr, outerPage = nullptr, inner = nullptr, innerPage = nullptr;
};

// What the pure frame step gives for a motion from `height` to `targetHeight`.
std::vector<Frame> Computed(int height, int targetHeight) {
  std::vector<Frame> frames;
  for (const PageAnimationMotion& m : ComputedFrames(10, height, targetHeight))
    frames.push_back({FrameAlpha(m), FrameWindowBox(m).height});
  return frames;
}

bool operator==(const Frame& a, const Frame& b) { return a.alpha == b.alpha && a.height == b.height; }
std::ostream& operator<<(std::ostream& out, const Frame& f) { return out << "{" << f.alpha << ", " << f.height << "}"; }

class PanelAnimation : public testing::Test {
 protected:
  void SetUp() override {
    EnsureStarted();
    ASSERT_TRUE(PumpUntil([] { return Globals().animationMailbox != nullptr; }));
    // The thread's WM_SIZE carries 0 and 0; a real resize never does.
    CallbackRecorder().onSeen = [this](const Seen& s) {
      if (s.message != WM_SIZE || s.wParam || s.lParam) return;
      for (Nest* nest : nests_) {
        if (nest->outer != s.window) continue;
        const RECT r = nest->Rect();
        frames_[s.window].push_back(
            {WithPage(nest->innerPage, [](PanelExPageRecord& p) { return static_cast<int>(p.alpha); }),
             static_cast<int>(r.bottom - r.top)});
        if (onFrame_) onFrame_(*nest, frames_[s.window].size());
      }
    };
  }
  void TearDown() override {
    FreePanelEx(-1);
    CallbackRecorder() = Recorder{};
  }

  std::vector<Nest*> nests_;
  std::map<HWND, std::vector<Frame>> frames_;
  std::function<void(const Nest&, size_t)> onFrame_;
};

TEST_F(PanelAnimation, PagesFadeInAndOutAsTheyMove) {
  Nest nest(0, 100);
  nests_ = {&nest};
  for (int target : {200, 0}) {
    SCOPED_TRACE(target);
    const std::vector<Frame> expected = Computed(nest.Rect().bottom - nest.Rect().top, target);
    frames_.clear();
    ASSERT_TRUE(nest.Animate(target));
    ASSERT_TRUE(PumpUntil([&] { return frames_[nest.outer].size() >= expected.size(); }, kAnimationBoundMs));
    PumpMessagesFor(100);
    EXPECT_EQ(expected, frames_[nest.outer]);
    ASSERT_FALSE(frames_[nest.outer].empty());
    EXPECT_EQ(target ? 255 : 0, frames_[nest.outer].back().alpha) << "lands faded fully in or out";
  }
}

TEST_F(PanelAnimation, OverlappingAnimationsFadeOverTheirOwnDistances) {
  Nest a(0, 100), b(160, 100);
  nests_ = {&a, &b};
  // B starts, with a much shorter distance, while A is under way.
  onFrame_ = [&](const Nest& nest, size_t frame) {
    if (&nest == &a && frame == 3) b.Animate(150);
  };
  const std::vector<Frame> expectedA = Computed(100, 500), expectedB = Computed(100, 150);
  ASSERT_TRUE(a.Animate(500));
  ASSERT_TRUE(PumpUntil(
      [&] { return frames_[a.outer].size() >= expectedA.size() && frames_[b.outer].size() >= expectedB.size(); },
      kAnimationBoundMs));
  PumpMessagesFor(100);
  EXPECT_EQ(expectedA, frames_[a.outer]);
  EXPECT_EQ(expectedB, frames_[b.outer]);
}

}  // namespace
