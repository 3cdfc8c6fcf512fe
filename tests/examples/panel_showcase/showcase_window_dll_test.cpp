// The showcase's window built in this process by the program's own code, shown
// and read back as the user sees it: its size and panel 0 following a resize,
// pixels at known places (the gradient over the star field, both borders, the
// label, the button), stars that move once the thread runs, and a real click on
// the button reaching the window as WM_COMMAND 0.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "kelvra.h"
#include "showcase_program.h"
#include "showcase_state.h"
#include "tests/support/pointer_input.h"
#include "tests/support/win_test_helpers.h"

namespace {

using kelvra::test::BitmapPixels;
using kelvra::test::Dib32;
using kelvra::test::PumpMessagesFor;
using kelvra::test::PumpUntil;

HWND Window() { return showcase::Showcase().window; }

// The window's client area as it is on the screen, after everything invalid was painted.
struct Capture {
  explicit Capture(HWND window) : dib(showcase::kClientWidth, showcase::kClientHeight, 0) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    kelvra::test::PumpMessages();
    HDC dc = GetDC(window);
    BitBlt(dib.dc(), 0, 0, dib.width(), dib.height(), dc, 0, 0, SRCCOPY);
    ReleaseDC(window, dc);
  }
  uint32_t At(int x, int y) const { return dib.Pixel(x, y) & 0xFFFFFF; }
  Dib32 dib;
};

int Red(uint32_t pixel) { return (pixel >> 16) & 0xFF; }
int Green(uint32_t pixel) { return (pixel >> 8) & 0xFF; }
int Blue(uint32_t pixel) { return pixel & 0xFF; }
int Brightest(uint32_t pixel) { return std::max({Red(pixel), Green(pixel), Blue(pixel)}); }
bool Near(uint32_t pixel, uint32_t expected, int tolerance) {
  return std::abs(Red(pixel) - Red(expected)) <= tolerance && std::abs(Green(pixel) - Green(expected)) <= tolerance &&
         std::abs(Blue(pixel) - Blue(expected)) <= tolerance;
}

// Mean of red + green + blue over a rectangle.
double MeanBrightness(const Capture& capture, RECT area) {
  double sum = 0;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) {
      const uint32_t pixel = capture.At(x, y);
      sum += Red(pixel) + Green(pixel) + Blue(pixel);
    }
  return sum / ((area.right - area.left) * (area.bottom - area.top));
}

// Pixels of a rectangle dark enough to be black text on the light panel.
int DarkPixels(const Capture& capture, RECT area) {
  int count = 0;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) count += Brightest(capture.At(x, y)) < 90;
  return count;
}

// A border picture's colour at the middle of its left edge, `ring` pixels in.
uint32_t BorderColour(const wchar_t* file, int ring) {
  HANDLE image = LoadImg(file, 0, 0, 0);
  const BitmapPixels pixels = kelvra::test::ReadBitmapPixels(static_cast<HBITMAP>(image));
  FreeImg(image);
  if (pixels.pixels.empty()) return 0xFFFFFFFF;
  EXPECT_EQ(pixels.Alpha(ring, pixels.height / 2), 255u) << "the frame is opaque";
  return pixels.At(ring, pixels.height / 2) & 0xFFFFFF;
}

// The window's WM_COMMAND messages, seen beside the program's own callback.
struct Commands {
  int count = 0;
  WPARAM lastWParam = 0xDEAD;
} commands;
LRESULT CALLBACK RecordCommands(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  if (message == WM_COMMAND) {
    ++commands.count;
    commands.lastWParam = wParam;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

// One window for the whole program, built as the program builds it, star thread
// held back; under Wine without a window manager each destroyed shown window
// costs two seconds.
class ShowcaseWindow : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    showcase::StartShowcase();
    ASSERT_TRUE(showcase::BuildExampleWindow(showcase::StarThreadStart::Later));
    kelvra::test::MovePointerAway();
    kelvra::test::ShowAndRaise(Window());
  }
  static void TearDownTestSuite() { showcase::ExampleEnd(); }
};

TEST_F(ShowcaseWindow, TitleSizeAndPanelZeroFollowingTheWindow) {
  wchar_t title[128] = {};
  GetWindowTextW(Window(), title, 128);
  EXPECT_STREQ(title, showcase::kWindowTitle);
  RECT client{};
  GetClientRect(Window(), &client);
  EXPECT_EQ(client.right, 700);
  EXPECT_EQ(client.bottom, 500);
  const HWND panel = PanelExID(0, -1);
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(GetParent(panel), Window());
  EXPECT_EQ(PanelExWidth(0), 700);
  EXPECT_EQ(PanelExHeight(0), 500);

  // Larger, then smaller than at first: panel 0 fills the client area each time.
  RECT frame{};
  GetWindowRect(Window(), &frame);
  const int frameWidth = frame.right - frame.left, frameHeight = frame.bottom - frame.top;
  for (const SIZE grow : {SIZE{120, 80}, SIZE{-200, -150}, SIZE{0, 0}}) {
    SetWindowPos(Window(), nullptr, 0, 0, frameWidth + grow.cx, frameHeight + grow.cy, SWP_NOMOVE | SWP_NOZORDER);
    kelvra::test::PumpMessages();
    GetClientRect(Window(), &client);
    EXPECT_EQ(client.right, 700 + grow.cx);
    EXPECT_EQ(PanelExWidth(0), client.right) << grow.cx;
    EXPECT_EQ(PanelExHeight(0), client.bottom) << grow.cy;
    RECT page{};
    GetClientRect(PanelExID(0, 0), &page);
    EXPECT_GE(page.right, client.right) << "the page covers the panel";
  }
}

TEST_F(ShowcaseWindow, PixelsAtKnownPlaces) {
  const Capture shot(Window());

  // Gradient A ends in opaque (0, 0, 50) just inside the outer border, and the
  // page grows darker downwards in a column clear of the logo.
  EXPECT_TRUE(Near(shot.At(650, 489), 0x000032, 10)) << std::hex << shot.At(650, 489);
  EXPECT_TRUE(Near(shot.At(100, 489), 0x000032, 10)) << std::hex << shot.At(100, 489);
  const double top = MeanBrightness(shot, RECT{580, 20, 680, 60});
  const double middle = MeanBrightness(shot, RECT{580, 230, 680, 270});
  const double bottom = MeanBrightness(shot, RECT{580, 440, 680, 480});
  EXPECT_GT(top, middle + 20);
  EXPECT_GT(middle, bottom + 20);

  // The outer border picture along the window's edges, the inner one along panel 1's.
  const uint32_t outer = BorderColour(L"icons\\quarlinbox\\downloadpanel_border.png", 3);
  for (const POINT at : {POINT{3, 250}, POINT{696, 300}, POINT{350, 3}, POINT{400, 496}})
    EXPECT_TRUE(Near(shot.At(at.x, at.y), outer, 4)) << at.x << "," << at.y << ": " << std::hex << shot.At(at.x, at.y);
  const uint32_t inner = BorderColour(L"icons\\border.png", 1);
  for (const POINT at : {POINT{11, 85}, POINT{308, 85}, POINT{160, 11}, POINT{160, 158}})
    EXPECT_TRUE(Near(shot.At(at.x, at.y), inner, 4)) << at.x << "," << at.y << ": " << std::hex << shot.At(at.x, at.y);

  // The label from (30, 30), as large as its text; nothing dark left of it.
  const int labelWidth = TextControlExWidth(0), labelHeight = TextControlExHeight(0);
  ASSERT_GT(labelWidth, 100);
  ASSERT_GT(labelHeight, 5);
  EXPECT_GT(DarkPixels(shot, RECT{30, 30, 30 + labelWidth, 30 + labelHeight}), 100);
  EXPECT_EQ(DarkPixels(shot, RECT{14, 30, 30, 30 + labelHeight}), 0);

  // The button at (30, 110) to (130, 140): a light face with its dark caption in
  // the middle, and panel 1's light gradient just outside it.
  EXPECT_GT(Brightest(shot.At(36, 125)), 200);
  EXPECT_GT(DarkPixels(shot, RECT{45, 115, 115, 135}), 20);
  EXPECT_EQ(DarkPixels(shot, RECT{30, 110, 42, 140}), 0) << "no caption at the face's left end";
}

TEST_F(ShowcaseWindow, StarsMoveWhileTheThreadRuns) {
  showcase::ShowcaseState& state = showcase::Showcase();
  ASSERT_TRUE(showcase::StartStarAnimation(7));
  ASSERT_TRUE(PumpUntil([&] { return state.particles.Lock().items().size() >= 20; }, 10000));
  const Capture first(Window());
  PumpMessagesFor(150);
  const Capture second(Window());
  EXPECT_TRUE(state.starThread.StopAndJoin(5000));

  int changed = 0;
  for (int y = 200; y < 300; ++y)
    for (int x = 300; x < 400; ++x) changed += first.At(x, y) != second.At(x, y);
  EXPECT_GT(changed, 20) << "the stars around the centre did not move";
  state.particles.Lock().items().clear();
}

TEST_F(ShowcaseWindow, ARealClickOnTheButtonReachesTheWindowAsCommandZero) {
  ASSERT_TRUE(SetWindowSubclass(Window(), RecordCommands, 0x7E57, 0));
  commands = Commands{};
  ASSERT_TRUE(kelvra::test::MovePointerTo(Window(), POINT{80, 125}));
  kelvra::test::ClickLeftButton();
  EXPECT_TRUE(PumpUntil([] { return commands.count > 0; }, 5000));
  EXPECT_EQ(commands.count, 1);
  EXPECT_EQ(commands.lastWParam, 0u);
  kelvra::test::MovePointerAway();
  RemoveWindowSubclass(Window(), RecordCommands, 0x7E57);
}

}  // namespace
