// The bar under the pointer: its first move announces it (and keeps top-level
// windows from seeing moves over it), its leave takes that back.
#include "core/library/library_messages.h"
#include "panels/panels_seam.h"
#include "panels/splitter/splitter_drag.h"
#include "panels/splitter/splitter_registry.h"
#include "panels/splitter/splitter_skin.h"

namespace kelvra {

void OnSplitterBarMouseMove(SplitterExRecord& splitter) {
  SplitterExFamilyState& family = SplitterExFamily();
  const HWND barPage = splitter.barPage;
  if (family.hoverBarPage == barPage) return;
  TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, barPage, 0};
  TrackMouseEvent(&track);
  family.hoverBarPage = barPage;
  // A bar being dragged keeps its pressed look.
  if (family.layout.active == 1) return;
  PostSplitterMessage(barPage, SplitterHoverMessage, 1);
  ShowSplitterBarState(splitter, kSplitterHot);
}

void OnSplitterBarLeave(SplitterExRecord& splitter) {
  SplitterExFamilyState& family = SplitterExFamily();
  const HWND barPage = splitter.barPage;
  if (family.hoverBarPage == barPage) family.hoverBarPage = nullptr;
  if (family.layout.active == 1) return;
  PostSplitterMessage(barPage, SplitterHoverMessage, 0);
  ShowSplitterBarState(splitter, kSplitterNormal);
}

bool PointerOverSplitterBar() {
  // Read with WindowMapLock held: nothing here sends a message or takes a lock.
  const HWND barPage = SplitterExFamily().hoverBarPage;
  return barPage && IsWindow(barPage);
}

}  // namespace kelvra
