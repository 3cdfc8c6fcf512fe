// What the showcase program holds while it runs: its image slots, the three star
// pictures in their memory DCs, the particle list under its mutex, the blending
// function, the text font, its window with its two gradients, and the star thread.
#pragma once

#include <windows.h>

#include <array>

#include "runtime/guarded_list.h"
#include "runtime/handles.h"
#include "runtime/worker_thread.h"
#include "star_animation.h"
#include "star_particles.h"

namespace showcase {

// The image slots the window uses (others stay empty).
enum ImageSlot {
  kLogoSlot = 4,
  kOuterBorderSlot = 8,
  kInnerBorderSlot = 20,
  kFirstStarSlot = 24,  // 24, 25, 26
  kStarFieldSlot = 28,
  kImageSlotCount
};

using GdiAlphaBlendFunction = BOOL(WINAPI*)(HDC, int, int, int, int, HDC, int, int, int, int, BLENDFUNCTION);

// A star picture converted for blending, selected into its own memory DC. The DC
// must go first: a bitmap still selected into a DC cannot be deleted (members are
// destroyed in reverse order).
struct StarPicture {
  UniqueBitmap bitmap;
  UniqueMemoryDc dc;
};

struct ShowcaseState {
  std::array<HANDLE, kImageSlotCount> images{};
  std::array<StarPicture, 3> stars;
  GuardedList<Particle> particles;
  HMODULE gdi32 = nullptr;
  GdiAlphaBlendFunction gdiAlphaBlend = nullptr;
  HFONT textFont = nullptr;
  HWND window = nullptr;
  // The backgrounds of panel 0's overlay and of panel 1's page. Pages only keep
  // the handles, so the gradients must outlive the panels: they are freed after
  // the library has ended (its gradient list stays until the process ends).
  HANDLE gradientA = nullptr;
  HANDLE gradientB = nullptr;
  // What the star thread reads; it lives here, not on the starting stack frame,
  // because the thread outlives the call that starts it.
  StarAnimationSetup starSetup;
  WorkerThread starThread;
};

// The program's one state.
ShowcaseState& Showcase();

// The three star DCs, in the order Random(2) picks them.
std::array<StarDc, 3> StarDcs(const ShowcaseState& state);

// Frees the program's own objects (images, star pictures, font, gradients, Gdi32
// reference). It runs after the library has ended: only FreeGradient is the
// library's, and the gradient list outlives the end.
void ReleaseShowcaseObjects(ShowcaseState& state);

}  // namespace showcase
