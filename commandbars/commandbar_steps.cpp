// End steps of menus, toolbars and rebars. None of them is built yet, so there is
// nothing to free and no host window to restore.
#include "core/library/subsystem_steps.h"

namespace kelvra::steps {
void FreeAllRebars() {}
void FreeAllToolBars() {}
void FreeAllMenus() {}
void RestoreHostWindowProcedures() {}
}  // namespace kelvra::steps
