// A registered window is about to change size: when it is a rebar's, the rebar
// announces its new height.
#include "commandbars/rebar/rebar_height_notify.h"

#include "commandbars/commandbars_seam.h"

namespace kelvra {

void OnRebarWindowPosChanging(HWND window, int newHeight) {
  if (MakeRebarCurrentByWindow(window)) NotifyRebarHeightChange(newHeight);
}

}  // namespace kelvra
