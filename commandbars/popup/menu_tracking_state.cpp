// The one tracking record of the process.
#include "commandbars/popup/menu_tracking_state.h"

namespace kelvra {

MenuTrackingState& MenuTracking() {
  static MenuTrackingState state;
  return state;
}

}  // namespace kelvra
