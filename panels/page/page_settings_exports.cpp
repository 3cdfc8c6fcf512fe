// Exports of page settings: thin shims over panels/page/page_settings.h.
#include "kelvra.h"

#include "panels/page/page_settings.h"

namespace {

intptr_t Key(int value) { return static_cast<intptr_t>(value); }
// Only the low byte of the no-redraw argument counts.
bool Repaints(int noRedraw) { return (noRedraw & 0xFF) == 0; }

}  // namespace

extern "C" {

KELVRA_API int KELVRA_CALL SetPanelExPageBackground(int panel, int page, int background, HANDLE image, int x,
                                                    int y, int width, int height, int flags, int noRedraw) {
  try {
    const kelvra::PageBackgroundRequest request{background, reinterpret_cast<intptr_t>(image), x, y, width,
                                                height,     flags};
    return kelvra::SetPageBackground(Key(panel), Key(page), request, Repaints(noRedraw));
  } catch (...) {
    return 0;
  }
}

KELVRA_API int KELVRA_CALL SetPanelExPageBorder(int panel, int page, HBITMAP borderImage, HBITMAP mask,
                                                const RECT* margins, int noRedraw) {
  try {
    return kelvra::SetPageBorder(Key(panel), Key(page), borderImage, reinterpret_cast<intptr_t>(mask), margins,
                                 Repaints(noRedraw));
  } catch (...) {
    return 0;
  }
}

KELVRA_API int KELVRA_CALL SetPanelExPageCursor(int panel, int page, int cursor) {
  try {
    return static_cast<int>(kelvra::SetPageCursor(Key(panel), Key(page), Key(cursor)));
  } catch (...) {
    return 0;
  }
}

KELVRA_API int KELVRA_CALL SetPanelExPageAlpha(int panel, int page, int alpha, int noRedraw) {
  try {
    return kelvra::SetPageAlpha(Key(panel), Key(page), alpha, Repaints(noRedraw));
  } catch (...) {
    return 0;
  }
}

}  // extern "C"
