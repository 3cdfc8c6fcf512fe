// Until panels exist no bitmap is a panel's back buffer.
#include "panels/panel_backbuffer_lookup.h"

namespace kelvra {

image::RuntimeImage* FindPanelBackBufferImage(HBITMAP) { return nullptr; }

}  // namespace kelvra
