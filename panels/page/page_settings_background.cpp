// SetPanelExPageBackground: each field of the background or overlay set stored
// unless it is PANELEX_UNCHANGED.
#include "core/library/reentrant_lock.h"
#include "panels/page/page_image_list.h"
#include "panels/page/page_invalidation.h"
#include "panels/page/page_settings.h"
#include "panels/panel/panel_registry.h"

namespace kelvra {

namespace {

bool Given(int32_t value) { return value != kPanelExUnchanged; }

void StoreImage(PageImageSet& set, const PageBackgroundRequest& request, int32_t flags) {
  if (request.image == 0) return;  // 0 never removes an image
  if (request.image != kPanelExUnchanged) {
    const int32_t width = Given(request.width) ? request.width : 0;
    const int32_t height = Given(request.height) ? request.height : 0;
    SetPageImage(set, reinterpret_cast<HANDLE>(request.image), width, height, flags);
    return;
  }
  // Only the stored size changes; the list keeps its cell size.
  if (request.width == 0 && request.height == 0) return;
  if (Given(request.width)) set.width = request.width;
  if (Given(request.height)) set.height = request.height;
}

}  // namespace

int SetPageBackground(intptr_t panelKey, intptr_t pageKey, const PageBackgroundRequest& request, bool redraw) {
  LockGuard lock(Locks().panel);
  if (!lock) return 0;
  PanelExPageRecord* page = FindPanelExPage(panelKey, pageKey);
  if (!page) return 0;
  const bool overlay = Given(request.flags) && (request.flags & kImageSetsOverlay);
  PageImageSet& set = overlay ? page->overlaySet : page->backgroundSet;
  if (Given(request.background)) set.background = request.background;
  if (Given(request.x)) set.x = request.x;
  if (Given(request.y)) set.y = request.y;
  if (Given(request.flags)) set.flags = request.flags;
  StoreImage(set, request, set.flags);
  const HWND window = page->window;
  lock.Unlock();
  if (redraw) RedrawPanelExPage(window);
  return 1;
}

}  // namespace kelvra
