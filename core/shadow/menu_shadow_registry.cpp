// Until drop shadows exist no popup has shadow windows to remove.
#include "core/shadow/menu_shadow_registry.h"

namespace kelvra {

void RemoveMenuShadows(HWND) {}

}  // namespace kelvra
