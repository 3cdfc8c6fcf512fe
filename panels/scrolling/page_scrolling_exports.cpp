// Exports of page scrolling: thin shims over the panel code's scrolling.
#include "kelvra.h"

#include "panels/scrolling/page_scrolling.h"

namespace {

intptr_t Key(int value) { return static_cast<intptr_t>(value); }

}  // namespace

extern "C" {

KELVRA_API int KELVRA_CALL SetPanelExPageScrolling(int panel, int page, int attributes, int onOff) {
  try {
    return kelvra::SetPageScrolling(Key(panel), Key(page), attributes, onOff);
  } catch (...) {
    return 0;
  }
}

KELVRA_API int KELVRA_CALL GetPanelExPageScrolling(int panel, int page, int attribute) {
  try {
    return static_cast<int>(kelvra::GetPageScrolling(Key(panel), Key(page), attribute));
  } catch (...) {
    return 0;
  }
}

KELVRA_API HWND KELVRA_CALL createScrollbarBox(HWND parent, int x, int y, int visible) {
  try {
    return kelvra::CreateScrollbarBox(parent, x, y, visible != 0);
  } catch (...) {
    return nullptr;
  }
}

}  // extern "C"
