// Until rebars exist no window is a rebar and there is nothing to announce.
#include "commandbars/rebar_height_notify.h"

namespace kelvra {

bool MakeRebarCurrentByWindow(HWND) { return false; }
void NotifyRebarHeightChange(int) {}

}  // namespace kelvra
