// PROVISIONAL until the shared page-look reader lands.
#include "panels/splitter/splitter_look.h"

#include "panels/page/page_settings.h"
#include "panels/panel/panel_record.h"

namespace kelvra {

SplitterPageLook ReadSplitterPageLook(SkinRecord&, std::wstring_view, std::wstring_view, std::wstring_view) {
  return SplitterPageLook{};
}

void ShowSplitterPageLook(int32_t panelNumber, const SplitterPageLook& look) {
  const intptr_t panel = panelNumber;
  for (const SplitterPageLayer* layer : {&look.background, &look.overlay}) {
    const int32_t extra = layer == &look.overlay ? kImageSetsOverlay : 0;
    SetPageBackground(panel, 0,
                      PageBackgroundRequest{layer->value, reinterpret_cast<intptr_t>(layer->image), layer->x, layer->y,
                                            layer->width, layer->height, layer->flags | extra},
                      false);
  }
  SetPageBorder(panel, 0, look.borderImage, look.borderMask, look.marginsGiven ? &look.margins : nullptr, false);
}

}  // namespace kelvra
