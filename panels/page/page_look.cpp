// Setting a page look on a page.
#include "panels/page/page_look.h"

#include "panels/page/page_settings.h"
#include "panels/panel/panel_record.h"

namespace kelvra {

namespace {

void SetLayer(intptr_t panel, intptr_t page, const PageLayerLook& layer, int32_t extraFlags) {
  SetPageBackground(panel, page,
                    PageBackgroundRequest{layer.value, reinterpret_cast<intptr_t>(layer.image), layer.x, layer.y,
                                          layer.width, layer.height, layer.flags | extraFlags},
                    false);
}

}  // namespace

void SetPageLook(intptr_t panel, intptr_t page, const PageLook& look) {
  SetLayer(panel, page, look.background, 0);
  SetLayer(panel, page, look.overlay, kImageSetsOverlay);
  // The skin names the margins; the border set takes them as a slice rectangle.
  const SkinEdges& m = look.borderMargins;
  const RECT slice{m.left, m.top, m.right, m.bottom};
  SetPageBorder(panel, page, look.borderImage, look.borderMask, m.AllGiven() ? &slice : nullptr, false);
}

}  // namespace kelvra
