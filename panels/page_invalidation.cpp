// Until panels exist a page is never nested: it is its own outermost page.
#include "panels/page_invalidation.h"

namespace kelvra {

HWND InvalidatePanelExPage(HWND pageWindow) { return pageWindow; }

}  // namespace kelvra
