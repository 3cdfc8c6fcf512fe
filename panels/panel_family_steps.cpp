// End steps of the panel-based controls. None of them is built yet, so there is
// nothing to free.
#include "core/library/subsystem_steps.h"

namespace kelvra::steps {
void FreeAllButtons() {}
void FreeAllTextControls() {}
void FreeAllSplitters() {}
void FreeAllPanels() {}
}  // namespace kelvra::steps
