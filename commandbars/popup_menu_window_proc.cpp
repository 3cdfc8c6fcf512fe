// Until the menu code styles popups, the popup keeps the system's own behaviour.
#include "commandbars/popup_menu_window_proc.h"

#include "commandbars/menu_tracking_state.h"

namespace kelvra {

LRESULT CALLBACK PopupMenuWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  WNDPROC system = MenuTracking().popupProcedure;
  return system ? CallWindowProcW(system, window, message, wParam, lParam) : DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace kelvra
