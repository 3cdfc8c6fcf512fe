// The scroll-bar box: the small filler in the corner between a page's two bars.
#include "core/library/reentrant_lock.h"
#include "panels/scrolling/page_scrolling.h"
#include "panels/panel/panel_classes.h"

namespace kelvra {

LRESULT CALLBACK ScrollbarBoxWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) return DefWindowProcW(window, message, wParam, lParam);
  PAINTSTRUCT ps;
  if (HDC dc = BeginPaint(window, &ps)) {
    RECT client{};
    GetClientRect(window, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    EndPaint(window, &ps);
  }
  return 0;
}

HWND CreateScrollbarBox(HWND parent, int x, int y, bool visible) {
  {
    LockGuard lock(Locks().panel);
    if (!lock || !RegisterPanelClass(PanelClass::ScrollbarBox)) return nullptr;
  }
  const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | (visible ? WS_VISIBLE : 0);
  return CreateWindowExW(0, PanelClassName(PanelClass::ScrollbarBox), nullptr, style, x, y,
                         GetSystemMetrics(SM_CXHTHUMB), GetSystemMetrics(SM_CYVTHUMB), parent, nullptr, PanelModule(),
                         nullptr);
}

}  // namespace kelvra
