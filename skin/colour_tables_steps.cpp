// Start step of the UI colour tables. The colour tables are not built yet.
#include "core/library/subsystem_steps.h"

namespace kelvra::steps {
void InitColourTables() {}
}  // namespace kelvra::steps
