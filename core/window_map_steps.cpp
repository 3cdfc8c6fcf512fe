// End step of the window map (not built yet): no window to restore.
#include "core/subsystem_steps.h"

namespace kelvra::steps {
void RestoreWindowMapProcedures() {}
}  // namespace kelvra::steps
