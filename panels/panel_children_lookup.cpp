// Until panels exist no window has panels on it.
#include "panels/panel_children_lookup.h"

namespace kelvra {

void ForEachPanelExWithParent(HWND, PanelWindowVisitor, void*) {}

}  // namespace kelvra
