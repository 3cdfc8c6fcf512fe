// The tracking record. Until menus exist nothing is ever tracked, so every field
// stays at its idle value and no menu drops down from a bar.
#include "commandbars/menu_tracking_state.h"

namespace kelvra {

MenuTrackingState& MenuTracking() {
  static MenuTrackingState state;
  return state;
}

bool TrackedMenuDropsFromBar() { return false; }

}  // namespace kelvra
