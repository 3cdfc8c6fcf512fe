// Transparent static controls on pages: a pattern brush of the pixels behind the
// control, taken from the composed back buffer of the page's outermost page (an
// alpha buffer is emptied after every paint, so it never holds them).
#include "core/library/reentrant_lock.h"
#include "core/platform/win_handles.h"
#include "core/windows/window_map.h"
#include "panels/page/page_invalidation.h"
#include "panels/paint/page_paint.h"
#include "panels/panel/panel_registry.h"

namespace kelvra {

namespace {

// The back buffer DC of the top page's panel, or 0 when it has none yet.
HDC BackBufferOf(HWND topPage) {
  const PanelExPageRecord* page = FindPanelExPageByWindow(topPage);
  const PanelExRecord* panel = page && !page->freeing ? page->panel : nullptr;
  return panel && panel->backBuffer.image ? panel->backBuffer.dc.get() : nullptr;
}

}  // namespace

HBRUSH MakePageStaticBrush(HWND page, HWND control, HDC controlDc) {
  try {
    HWND top = nullptr;
    {
      LockGuard mapLock(Locks().windowMap);
      if (!mapLock) return nullptr;
      top = GetTopPanelExPageAncestor(page);
    }
    bool painted = false;
    {
      LockGuard lock(Locks().panel);
      if (!lock || !FindPanelExPageByWindow(page)) return nullptr;
      painted = BackBufferOf(top) != nullptr;
    }
    // Drawn once into its buffer, without touching the control's DC.
    if (!painted) PaintPage(controlDc, top, nullptr, false, false);

    LockGuard lock(Locks().panel);
    const HDC source = lock ? BackBufferOf(top) : nullptr;
    if (!source) return nullptr;
    RECT rect{};
    GetClientRect(control, &rect);
    // The buffer's logical coordinates are the top page's.
    MapWindowPoints(control, top, reinterpret_cast<POINT*>(&rect), 2);
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) return nullptr;
    UniqueDc memory(CreateCompatibleDC(controlDc));
    UniqueBitmap bitmap(CreateCompatibleBitmap(controlDc, width, height));
    if (!memory || !bitmap) return nullptr;
    {
      SelectGuard select(memory.get(), bitmap.get());
      BitBlt(memory.get(), 0, 0, width, height, source, rect.left, rect.top, SRCCOPY);
    }
    return CreatePatternBrush(bitmap.get());
  } catch (...) {
    return nullptr;
  }
}

}  // namespace kelvra
