// Until panels exist there are no pages to mark.
#include "panels/page_paint_state.h"

namespace kelvra {

void MarkPanelExPagesUnpainted(HWND) {}

}  // namespace kelvra
