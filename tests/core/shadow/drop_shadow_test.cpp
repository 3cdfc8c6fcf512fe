// Shadow windows under Wine: their pictures read back from each window's own
// bitmap (Xvfb blends nothing on screen), the strip caches, bad requests, what
// the window is to the window system and the user, and many made and destroyed.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "core/library/reentrant_lock.h"
#include "core/shadow/drop_shadow.h"
#include "core/shadow/strip_cache.h"
#include "core/windows/window_map.h"
#include "kelvra.h"
#include "tests/support/pointer_input.h"
#include "tests/support/win_test_helpers.h"

namespace kelvra {
namespace {

using test::BitmapPixels;
using test::ReadBitmapPixels;

constexpr uint32_t kColour = RGB(10, 20, 200);

DropShadowWindow* RecordOf(HWND window) {
  return reinterpret_cast<DropShadowWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

BitmapPixels PictureOf(HWND window) {
  DropShadowWindow* record = RecordOf(window);
  return record ? ReadBitmapPixels(record->bitmap) : BitmapPixels{};
}

BOOL CALLBACK CountShadowWindow(HWND window, LPARAM counter) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  if (lstrcmpW(name, kDropShadowClass) == 0) ++*reinterpret_cast<int*>(counter);
  return TRUE;
}

// Windows of the shadow class on this thread.
int ShadowWindowCount() {
  int count = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountShadowWindow, reinterpret_cast<LPARAM>(&count));
  return count;
}

int clicksBelow = 0;
LRESULT CALLBACK BelowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_LBUTTONDOWN) ++clicksBelow;
  return DefWindowProcW(window, message, wParam, lParam);
}

class DropShadow : public ::testing::Test {
 protected:
  void SetUp() override { CreateDropShadow(0, 0, 0, 0, 0, 0, kShadowFreeCaches); }
  void TearDown() override {
    for (HWND window : made_) DestroyWindow(window);
    CreateDropShadow(0, 0, 0, 0, 0, 0, kShadowFreeCaches);
  }
  HWND Make(int x, int y, int width, int height, uint32_t colour, int opacity, uint32_t flags) {
    const HWND window = CreateDropShadow(x, y, width, height, colour, opacity, flags);
    if (window) made_.push_back(window);
    return window;
  }
  std::vector<HWND> made_;
};

// The along-alpha a window shows at its first and last position, read from the
// column next to the window (4/5 of it, thickness 5): faded ends show 40 x 4/5,
// cut ends the full 200 x 4/5.
TEST_F(DropShadow, PictureOfEachPieceAgainstTheStrip) {
  const struct {
    uint32_t flags;
    uint32_t firstAlpha, lastAlpha;
  } cases[] = {{0, 32, 32}, {kShadowShowsStart, 32, 160}, {kShadowShowsEnd, 160, 32}, {kShadowShowsMiddle, 160, 160}};
  for (bool vertical : {true, false})
    for (const auto& c : cases) {
      SCOPED_TRACE(testing::Message() << (vertical ? "vertical" : "horizontal") << " flags " << c.flags);
      CreateDropShadow(0, 0, 0, 0, 0, 0, kShadowFreeCaches);
      const uint32_t flags = c.flags | (vertical ? kShadowVertical : 0);
      const HWND window = vertical ? Make(300, 100, 5, 100, kColour, 200, flags) : Make(100, 300, 100, 5, kColour, 200, flags);
      ASSERT_TRUE(window);
      const BitmapPixels picture = PictureOf(window);
      ASSERT_EQ(vertical ? 5 : 100, picture.width);
      ASSERT_EQ(vertical ? 100 : 5, picture.height);
      auto at = [&](int along, int across) { return vertical ? picture.At(across, along) : picture.At(along, across); };
      EXPECT_EQ(c.firstAlpha, at(0, 0) >> 24);
      EXPECT_EQ(c.lastAlpha, at(99, 0) >> 24);
      EXPECT_EQ(160u, at(50, 0) >> 24);
      EXPECT_EQ(0u, at(50, 4) >> 24) << "the outermost line is clear";
      // The whole picture is the strip the pure code draws, cut as the flags say.
      const int offset = (c.flags & (kShadowShowsEnd | kShadowShowsMiddle)) ? 5 : 0;
      const int length = c.flags == 0 ? 100 : (c.flags == kShadowShowsMiddle ? 110 : 105);
      const StripPicture strip = MakeStripPicture(vertical, 5, length, 200, kColour);
      for (int along = 0; along < 100; ++along)
        for (int across = 0; across < 5; ++across) {
          const uint32_t want = vertical ? strip.pixels[static_cast<size_t>(along + offset) * 5 + across]
                                         : strip.pixels[static_cast<size_t>(across) * length + along + offset];
          ASSERT_EQ(want, at(along, across)) << "along " << along << " across " << across;
        }
      const uint32_t middle = at(50, 0);
      EXPECT_GT(middle & 0xFF, (middle >> 16) & 0xFF) << "blue is the strongest channel";
    }
}

TEST_F(DropShadow, CacheIsKeptForShorterRequestsAndRemadeOtherwise) {
  ASSERT_TRUE(Make(300, 100, 5, 100, kColour, 200, kShadowVertical));
  const HBITMAP first = VerticalStripCache().bitmap;
  ASSERT_TRUE(first);
  EXPECT_EQ(100, VerticalStripCache().height);

  // Shorter, same colour and opacity: the same strip, both ends still faded.
  const HWND shorter = Make(320, 100, 5, 60, kColour, 200, kShadowVertical);
  ASSERT_TRUE(shorter);
  EXPECT_EQ(first, VerticalStripCache().bitmap);
  const BitmapPixels picture = PictureOf(shorter);
  ASSERT_EQ(60, picture.height);
  EXPECT_EQ(32u, picture.Alpha(0, 0));
  EXPECT_EQ(32u, picture.Alpha(0, 59));
  EXPECT_EQ(160u, picture.Alpha(0, 30));
  EXPECT_FALSE(HorizontalStripCache().bitmap) << "the other orientation has its own cache";

  const struct {
    const char* change;
    int height;
    uint32_t colour;
    int opacity;
  } remakes[] = {{"longer", 150, kColour, 200}, {"another colour", 60, RGB(1, 2, 3), 200}, {"another opacity", 60, RGB(1, 2, 3), 90}};
  for (const auto& r : remakes) {
    const HBITMAP before = VerticalStripCache().bitmap;
    ASSERT_TRUE(Make(340, 100, 5, r.height, r.colour, r.opacity, kShadowVertical)) << r.change;
    EXPECT_NE(before, VerticalStripCache().bitmap) << r.change;
    EXPECT_EQ(0u, GetObjectType(before)) << r.change << ": the old strip is deleted";
    EXPECT_EQ(r.opacity, VerticalStripCache().opacity);
    EXPECT_EQ(r.colour, VerticalStripCache().colour);
  }
}

TEST_F(DropShadow, BadRequestsMakeNothingAndLeaveTheCaches) {
  ASSERT_TRUE(Make(300, 100, 5, 100, kColour, 200, kShadowVertical));
  const HBITMAP cached = VerticalStripCache().bitmap;
  const int windows = ShadowWindowCount();
  const struct {
    int width, height, opacity;
  } bad[] = {{0, 100, 200}, {5, 0, 200}, {5, 100, 0}, {-5, 100, 200}, {5, 100, -1}, {5, 100, 256}, {5, 40000, 200}};
  for (const auto& b : bad) {
    EXPECT_EQ(nullptr, Make(300, 100, b.width, b.height, RGB(9, 9, 9), b.opacity, kShadowVertical))
        << b.width << "x" << b.height << " at " << b.opacity;
    EXPECT_EQ(cached, VerticalStripCache().bitmap);
    EXPECT_EQ(kColour, VerticalStripCache().colour);
  }
  EXPECT_EQ(windows, ShadowWindowCount());
}

TEST_F(DropShadow, FreeingTheCachesSaysWhetherOneHeldAStrip) {
  EXPECT_EQ(reinterpret_cast<HWND>(0), CreateDropShadow(0, 0, 0, 0, 0, 0, kShadowFreeCaches)) << "nothing cached";
  ASSERT_TRUE(Make(300, 100, 5, 100, kColour, 200, kShadowVertical));
  ASSERT_TRUE(Make(100, 300, 100, 5, kColour, 200, 0));
  const HBITMAP vertical = VerticalStripCache().bitmap, horizontal = HorizontalStripCache().bitmap;
  EXPECT_EQ(reinterpret_cast<HWND>(1), CreateDropShadow(0, 0, 0, 0, 0, 0, kShadowFreeCaches));
  EXPECT_FALSE(VerticalStripCache().bitmap);
  EXPECT_FALSE(HorizontalStripCache().bitmap);
  EXPECT_EQ(0u, GetObjectType(vertical));
  EXPECT_EQ(0u, GetObjectType(horizontal));
  EXPECT_EQ(reinterpret_cast<HWND>(0), CreateDropShadow(0, 0, 0, 0, 0, 0, kShadowFreeCaches));
  // The windows keep their own pictures.
  EXPECT_EQ(160u, PictureOf(made_[0]).Alpha(0, 50));
}

// The window: its class and styles, unseen by the creation hook, shown without
// taking the foreground, and transparent to the pointer: a real click lands on
// the window beneath.
TEST_F(DropShadow, WindowIsAClickThroughTopmostPopup) {
  StartKelvra();
  const wchar_t* className = test::RegisterTestWindowClass(L"KelvraShadowBelow", BelowProc);
  test::TestWindow below(className, WS_POPUP, 200, 200, 300, 200);
  test::ShowAndRaise(below);
  const HWND foreground = GetForegroundWindow();

  const HWND window = Make(300, 250, 20, 100, kColour, 200, kShadowVertical);
  ASSERT_TRUE(window);
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  EXPECT_STREQ(kDropShadowClass, name);
  EXPECT_EQ(0x080800A8, GetWindowLongW(window, GWL_EXSTYLE));
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  EXPECT_EQ(0, style & WS_CAPTION);
  EXPECT_NE(0, style & WS_POPUP);
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_EQ(nullptr, GetParent(window));
  RECT rect{};
  GetWindowRect(window, &rect);
  EXPECT_EQ((RECT{300, 250, 320, 350}), rect);
  EXPECT_EQ(foreground, GetForegroundWindow());
  {
    LockGuard guard(Locks().windowMap);
    EXPECT_EQ(nullptr, GetWindowMap().Find(window));
  }
  EXPECT_EQ(below.get(), WindowFromPoint(POINT{305, 300}));

  ASSERT_TRUE(test::MovePointerTo(POINT{305, 300}));
  test::ClickLeftButton();
  EXPECT_TRUE(test::PumpUntil([] { return clicksBelow > 0; }, 3000)) << "the click did not reach the window beneath";
  test::MovePointerAway();
}

TEST_F(DropShadow, DestroyingTheWindowFreesItsPicture) {
  const HWND window = CreateDropShadow(300, 100, 5, 100, kColour, 200, kShadowVertical);
  ASSERT_TRUE(window);
  DropShadowWindow* record = RecordOf(window);
  ASSERT_TRUE(record);
  ASSERT_TRUE(DropShadowList().Contains(record));
  const HBITMAP bitmap = record->bitmap;
  const HDC dc = record->memoryDc;
  EXPECT_TRUE(IsDropShadowWindow(window));
  ASSERT_TRUE(DestroyWindow(window));
  EXPECT_FALSE(DropShadowList().Contains(record));
  EXPECT_EQ(0u, GetObjectType(bitmap));
  EXPECT_EQ(0u, GetObjectType(dc));
  EXPECT_FALSE(IsDropShadowWindow(window));
  // Somebody else's user data is no record to free.
  test::TestWindow other(test::PlainWindowClass(), WS_POPUP, 0, 0, 10, 10);
  SetWindowLongPtrW(other, GWLP_USERDATA, 0x1234);
  EXPECT_EQ(0, DropShadowProc(other, WM_DESTROY, 0, 0));
  EXPECT_FALSE(IsDropShadowWindow(other));
}

// Made and destroyed many times: each window's picture is deleted with it, and
// the heap and working set stay flat (GetGuiResources counts nothing under Wine).
TEST_F(DropShadow, ManyWindowsMadeAndDestroyedLeaveNothingBehind) {
  int leftObjects = 0;
  auto cycle = [&](int count) {
    for (int i = 0; i < count; ++i) {
      const HWND window = CreateDropShadow(300 + i % 7, 100, 5, 100 + i % 3, kColour, 200, kShadowVertical | (i % 3));
      ASSERT_TRUE(window);
      const DropShadowWindow* record = RecordOf(window);
      ASSERT_TRUE(record);
      const HBITMAP bitmap = record->bitmap;
      const HDC dc = record->memoryDc;
      DestroyWindow(window);
      leftObjects += (GetObjectType(bitmap) != 0) + (GetObjectType(dc) != 0);
    }
  };
  cycle(30);
  const size_t heap = test::HeapBytesInUse(), workingSet = test::ProcessMemoryBytes();
  cycle(300);
  EXPECT_EQ(0, leftObjects);
  EXPECT_EQ(0u, DropShadowList().Size());
  EXPECT_LT(test::HeapBytesInUse(), heap + 8 * 1024) << "heap grew";
  EXPECT_LT(test::ProcessMemoryBytes(), workingSet + 1024 * 1024) << "working set grew";
}

}  // namespace
}  // namespace kelvra
