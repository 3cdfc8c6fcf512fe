// Capturing the theme border sets: each themed face is drawn on a 100 x 100 image
// of transparent white and sliced into its own set.
#include "panels/paint/theme_border_sets.h"

#include <array>

#include "core/border/border_image_set.h"
#include "core/image/runtime_image.h"
#include "core/platform/uxtheme_api.h"
#include "core/platform/win_handles.h"
#include "panels/panel/panel_record.h"

namespace kelvra {

namespace {

constexpr int kCaptureSize = 100;
constexpr int kPushButtonPart = 1;  // BP_PUSHBUTTON
constexpr int kTabPanePart = 9;     // TABP_PANE

struct Capture {
  int32_t background;
  bool tab;
  int part, state;
};

// In capture order.
constexpr std::array<Capture, 5> kCaptures{{
    {kBackgroundPushButton, false, kPushButtonPart, 0},
    {kBackgroundPushButtonHot, false, kPushButtonPart, 2},
    {kBackgroundPushButtonPressed, false, kPushButtonPart, 3},
    {kBackgroundPushButtonDisabled, false, kPushButtonPart, 1},
    {kBackgroundTabPane, true, kTabPanePart, 0},
}};

struct State {
  std::array<BorderImageSet*, kCaptures.size()> sets{};
  bool captured = false;
};

State& Sets() {
  static State state;
  return state;
}

void CaptureInto(BorderImageSet* set, const Capture& capture) {
  const UxThemeApi& api = UxTheme();
  const ThemeHandle theme = capture.tab ? api.themes.tab : api.themes.button;
  if (!theme || !api.DrawThemeBackground) return;
  auto image = image::RuntimeImage::Create(kCaptureSize, kCaptureSize, 32);
  if (!image) return;
  for (int y = 0; y < kCaptureSize; ++y)
    for (int x = 0; x < kCaptureSize; ++x) image->SetPixel(x, y, 0x00FFFFFF);
  {
    UniqueDc dc(CreateCompatibleDC(nullptr));
    if (!dc) return;
    SelectGuard select(dc.get(), image->Bitmap());
    const RECT rect{0, 0, kCaptureSize, kCaptureSize};
    api.DrawThemeBackground(theme, dc.get(), capture.part, capture.state, &rect, nullptr);
    GdiFlush();
  }
  if (capture.tab) {
    const RECT margins{1, 1, 97, 98};
    PrepareBorderImageSlices(set, image->Bitmap(), kMaskFromBorderImage, &margins);
  } else {
    PrepareBorderImageSlices(set, image->Bitmap(), kMaskOnlyFromBorderImage, nullptr);
  }
}

}  // namespace

void CaptureThemeBorders() {
  State& state = Sets();
  if (state.captured || !UxTheme().visualStyles) return;
  for (size_t i = 0; i < kCaptures.size(); ++i) {
    state.sets[i] = AddBorderImageSet();
    CaptureInto(state.sets[i], kCaptures[i]);
  }
  state.captured = true;
}

bool ThemeBordersCaptured() { return Sets().captured; }

BorderImageSet* ThemeBorderSetFor(int32_t background) {
  const State& state = Sets();
  for (size_t i = 0; i < kCaptures.size(); ++i)
    if (kCaptures[i].background == background) return state.sets[i];
  return nullptr;
}

void ReleaseThemeBorderSets() {
  State& state = Sets();
  for (BorderImageSet*& set : state.sets) {
    if (set) ReleaseBorderImageSet(set);
    set = nullptr;
  }
  state.captured = false;
}

}  // namespace kelvra
