// Until toolbars exist no window is a toolbar gadget: every message goes on.
#include "commandbars/toolbar_gadget_subclass.h"

namespace kelvra {

LRESULT ToolBarExGadgetSubclass(HWND, UINT, WPARAM, LPARAM) { return 0; }

}  // namespace kelvra
