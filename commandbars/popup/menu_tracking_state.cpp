// The one tracking record of the process.
#include "commandbars/popup/menu_tracking_state.h"

#include "commandbars/menu_ex_record.h"
#include "core/library/reentrant_lock.h"

namespace kelvra {

MenuTrackingState& MenuTracking() {
  static MenuTrackingState state;
  return state;
}

bool TrackedMenuDropsFromBar() {
  LockGuard guard(Locks().menu);
  if (!guard) return false;
  const MenuExRecord* record = MenuTracking().trackedRecord;
  return record && MenuExList().Contains(record) && record->dropDownFlag != 0;
}

}  // namespace kelvra
