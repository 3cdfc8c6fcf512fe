// Kelvra_End's step for panels: every panel goes, then what panels share.
#include "core/library/subsystem_steps.h"
#include "panels/page/page_brush_cache.h"
#include "panels/paint/page_paint_scratch.h"
#include "panels/panel/panel_classes.h"
#include "panels/panel/panel_operations.h"
#include "panels/panels_seam.h"
#include "panels/paint/theme_border_sets.h"

namespace kelvra::steps {

void FreeAllPanels() {
  FreePanel(-1);
  ReleasePagePainterScratch();
  ReleaseThemeBorderSets();
  EmptyPageBrushCache();
  UnregisterPanelClasses();
}

}  // namespace kelvra::steps
