// The stars' panel callback and the run-time binding of GdiAlphaBlend.
#include "stars_panel_callback.h"

#include <cmath>

namespace showcase {

void LoadGdiAlphaBlend(ShowcaseState& state, const wchar_t* dll, ErrorBoxFunction errorBox) {
  state.gdi32 = LoadLibraryW(dll);
  if (!state.gdi32) {
    errorBox(nullptr, L"Can't open Gdi32.dll", L"Error!", MB_ICONERROR);
    return;
  }
  state.gdiAlphaBlend = reinterpret_cast<GdiAlphaBlendFunction>(GetProcAddress(state.gdi32, "GdiAlphaBlend"));
}

LRESULT CALLBACK StarsPanelCallback(HWND, UINT message, WPARAM wParam, LPARAM) {
  if (message != WM_ERASEBKGND) return 0;
  ShowcaseState& state = Showcase();
  if (!state.gdiAlphaBlend || !wParam) return 0;
  const auto list = state.particles.TryLock();
  if (!list) return 0;
  const HDC target = reinterpret_cast<HDC>(wParam);
  for (const Particle& particle : list.items()) {
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, static_cast<BYTE>(std::lround(particle.alpha)), AC_SRC_ALPHA};
    state.gdiAlphaBlend(target, std::lround(particle.x), std::lround(particle.y), std::lround(particle.width),
                        std::lround(particle.height), static_cast<HDC>(particle.starDc), 0, 0, 128, 128, blend);
  }
  return 0;
}

}  // namespace showcase
