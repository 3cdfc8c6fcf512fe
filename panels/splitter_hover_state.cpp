// Until splitters exist the pointer is never over a splitter bar.
#include "panels/splitter_hover_state.h"

namespace kelvra {

bool PointerOverSplitterBar() { return false; }

}  // namespace kelvra
