// The star thread's rounds. The panel's size is read before the list is locked,
// so the thread never holds the list while it waits on the library's own locks.
#include "star_animation.h"

namespace showcase {

void StarAnimationThread(const StarAnimationSetup& setup, const StopSignal& stop) {
  if (!setup.particles || !setup.panelSize || !setup.redraw) return;
  RandomSource random(setup.seed);
  do {
    const auto [width, height] = setup.panelSize();
    {
      const auto list = setup.particles->Lock();
      StepParticles(list.items(), width, height, random, setup.stars);
    }
    setup.redraw();
  } while (!stop.WaitFor(kStarRoundMilliseconds));
}

}  // namespace showcase
