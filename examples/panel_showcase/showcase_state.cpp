// The program's state and the release of what it made.
#include "showcase_state.h"

#include "kelvra.h"

namespace showcase {

ShowcaseState& Showcase() {
  static ShowcaseState state;
  return state;
}

std::array<StarDc, 3> StarDcs(const ShowcaseState& state) {
  return {state.stars[0].dc.get(), state.stars[1].dc.get(), state.stars[2].dc.get()};
}

void ReleaseShowcaseObjects(ShowcaseState& state) {
  state.particles.Lock().items().clear();
  for (StarPicture& star : state.stars) {
    star.dc.reset();  // first: a bitmap still selected into a DC cannot be deleted
    star.bitmap.reset();
  }
  // A slot holds what LoadImg or ImgBlend returned: an icon or a bitmap.
  for (HANDLE& image : state.images) {
    if (image && !DestroyIcon(static_cast<HICON>(image))) DeleteObject(image);
    image = nullptr;
  }
  for (HANDLE* gradient : {&state.gradientA, &state.gradientB}) {
    if (*gradient) FreeGradient(*gradient);
    *gradient = nullptr;
  }
  // A thread that would not stop still reads its setup: leave it be.
  if (!state.starThread.Running()) state.starSetup = StarAnimationSetup{};
  if (state.textFont) DeleteObject(state.textFont);
  state.textFont = nullptr;
  state.gdiAlphaBlend = nullptr;
  if (state.gdi32) FreeLibrary(state.gdi32);
  state.gdi32 = nullptr;
  state.window = nullptr;
}

}  // namespace showcase
