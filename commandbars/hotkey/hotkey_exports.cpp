// Exports of hot keys and of the two key switches of menus.
#include "kelvra.h"

#include "commandbars/commandbar_globals.h"
#include "commandbars/hotkey/hotkey_registry.h"

extern "C" {

KELVRA_API int KELVRA_CALL HotKey(HWND window, int id, LPCWSTR keys) {
  try {
    return kelvra::SetHotKey(window, id, keys);
  } catch (...) {
    return 0;
  }
}

KELVRA_API int KELVRA_CALL MenuExAutoHotKeyDisable(BYTE disable) {
  kelvra::CommandBarState().settings.autoHotKeyDisable = disable != 0 ? 1 : 0;
  return 0;
}

KELVRA_API int KELVRA_CALL MenuExF10Disable(BYTE disable) {
  kelvra::CommandBarState().settings.f10Disable = disable != 0 ? 1 : 0;
  return 0;
}

}  // extern "C"
