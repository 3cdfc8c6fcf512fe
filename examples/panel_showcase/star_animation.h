// The star thread: a round of the particle rules every 30 ms, then a repaint of
// the page the stars are drawn on, until it is asked to stop.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <utility>

#include "runtime/guarded_list.h"
#include "runtime/worker_thread.h"
#include "star_particles.h"

namespace showcase {

inline constexpr DWORD kStarRoundMilliseconds = 30;

struct StarAnimationSetup {
  GuardedList<Particle>* particles = nullptr;
  std::array<StarDc, 3> stars{};
  uint32_t seed = 0;
  // The size of the panel the stars stream across (width, height).
  std::function<std::pair<int, int>()> panelSize;
  // Repaints that panel's page at once; it may wait for the user-interface thread.
  std::function<void()> redraw;
};

// The thread's body: rounds until `stop` is signalled (checked between rounds).
void StarAnimationThread(const StarAnimationSetup& setup, const StopSignal& stop);

}  // namespace showcase
