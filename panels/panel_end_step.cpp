// Kelvra_End's step for panels: every panel goes, then what panels share.
#include "core/library/subsystem_steps.h"
#include "panels/page_brush_cache.h"
#include "panels/page_paint_scratch.h"
#include "panels/panel_classes.h"
#include "panels/panel_operations.h"
#include "panels/panels_seam.h"
#include "panels/theme_border_sets.h"

namespace kelvra::steps {

void FreeAllPanels() {
  FreePanel(-1);
  ReleasePagePainterScratch();
  ReleaseThemeBorderSets();
  EmptyPageBrushCache();
  UnregisterPanelClasses();
}

}  // namespace kelvra::steps
