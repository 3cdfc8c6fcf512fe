// The showcase's window: panel 0 with the star field, the tinted logo over a
// gradient and the outer border; panel 1 nested on its page with its own
// gradient, border, label and button; the window callback that keeps panel 0
// filling the window, and the start of the star thread.
#include <windows.h>

#include <cstdint>

#include "kelvra.h"
#include "runtime/window_callback.h"
#include "showcase_program.h"
#include "showcase_state.h"
#include "stars_panel_callback.h"

namespace showcase {

namespace {

// Page backgrounds take a gradient handle as an int (32-bit program).
int AsBackground(HANDLE gradient) { return static_cast<int>(reinterpret_cast<intptr_t>(gradient)); }

constexpr int kOuterPanel = 0;
constexpr int kInnerPanel = 1;
// Tiled across and down.
constexpr int kTiledBothWays = 0x300;
// Sets the overlay, centred both ways.
constexpr int kCentredOverlay = 0x2030;
constexpr int kAutomaticScrolling = 64;

void BuildOuterPanel(ShowcaseState& state, int width, int height) {
  CreatePanelEx(kOuterPanel, state.window, 0, 0, width, height, StarsPanelCallback);
  // From a translucent grey-blue at the top to an opaque dark blue at the bottom.
  state.gradientA = CreateGradient(1, MakeColour(155, 100, 100, 200), MakeColour(255, 0, 0, 50));
  AddPanelExImagePage(-1, state.images[kStarFieldSlot], 0, 0, 0, 0, kTiledBothWays);
  SetPanelExPageBackground(kOuterPanel, 0, AsBackground(state.gradientA), state.images[kLogoSlot], 0, 0, 0, 0,
                           kCentredOverlay, 0);
  // The border's own margins; no mask: the page stays rectangular.
  SetPanelExPageBorder(kOuterPanel, 0, static_cast<HBITMAP>(state.images[kOuterBorderSlot]),
                       reinterpret_cast<HBITMAP>(-1), nullptr, 0);
  SetPanelExPageScrolling(kOuterPanel, 0, kAutomaticScrolling, 1);
}

void BuildInnerPanel(ShowcaseState& state) {
  CreatePanelEx(kInnerPanel, PanelExID(kOuterPanel, 0), 10, 10, 300, 150, nullptr);
  state.gradientB = CreateGradient(1, MakeColour(155, 255, 255, 255), MakeColour(255, 200, 200, 200));
  AddPanelExPage(AsBackground(state.gradientB));
  SetPanelExPageScrolling(kInnerPanel, 0, kAutomaticScrolling, 1);
  // A mask found in the border picture rounds the page's corners; the repaint is
  // left to the first paint of the shown window.
  SetPanelExPageBorder(kInnerPanel, 0, static_cast<HBITMAP>(state.images[kInnerBorderSlot]), nullptr, nullptr, -1);
  const HWND page = PanelExID(kInnerPanel, 0);
  TextControlEx(page, 0, 20, 20, 0, 0, L"Complex \\beffects\\b are created with ease!", 0);
  ButtonEx(page, 0, 20, 100, 100, 30, L"Not bad eh?", nullptr, nullptr, nullptr, nullptr, nullptr);
}

}  // namespace

bool BuildExampleWindow(StarThreadStart start) {
  ShowcaseState& state = Showcase();
  // Centred by its flags, so the position (50, 50) is not used.
  state.window = OpenWindowEx(kWindowTitle, 50, 50, kClientWidth, kClientHeight, KELVRA_WINDOW_SIZEABLE_TITLED, 0,
                              nullptr);
  if (!state.window) return false;
  RECT client{};
  GetClientRect(state.window, &client);
  BuildOuterPanel(state, client.right, client.bottom);
  BuildInnerPanel(state);
  SetWindowCallback(state.window, ExampleWindowCallback);
  if (start == StarThreadStart::Now) StartStarAnimation(GetTickCount());
  return true;
}

bool StartStarAnimation(uint32_t seed) {
  ShowcaseState& state = Showcase();
  if (state.starThread.Running()) return false;
  StarAnimationSetup& setup = state.starSetup;
  setup.particles = &state.particles;
  setup.stars = StarDcs(state);
  setup.seed = seed;
  setup.panelSize = [] { return std::pair{PanelExWidth(kOuterPanel), PanelExHeight(kOuterPanel)}; };
  setup.redraw = [] {
    // Once the panel is gone PanelExID answers 0, and a redraw of window 0
    // would repaint the whole desktop.
    if (const HWND page = PanelExID(kOuterPanel, 0))
      RedrawWindow(page, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  };
  return state.starThread.Start([&setup](const StopSignal& stop) { StarAnimationThread(setup, stop); });
}

LRESULT CALLBACK ExampleWindowCallback(HWND, UINT message, WPARAM, LPARAM lParam) {
  if (message == WM_SIZE) {
    if (const HWND panel = PanelExID(kOuterPanel, -1)) MoveWindow(panel, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
  }
  return kDefaultProcessing;
}

}  // namespace showcase
