// PaintChildBackgroundProc: while a page erases, the children that paint their own
// background are cut out of the erase DC's clip region, which the page's painter
// then inherits (BeginPaint hands the same DC to both).
#include "core/library/library_globals.h"
#include "core/library/reentrant_lock.h"
#include "core/windows/window_map.h"
#include "panels/page/page_invalidation.h"
#include "panels/panels_seam.h"

namespace kelvra {

namespace {

int32_t KindIn(HWND window) {
  const WindowMapEntry* entry = window ? GetWindowMap().Find(window) : nullptr;
  return entry ? entry->kind : WindowKindOther;
}

bool PaintsOwnBackground(int32_t kind) {
  switch (kind) {
    case WindowKindOther:
    case WindowKindComboBox:
    case WindowKindComboEdit:
    case WindowKindContainer:
    case WindowKindTabControl:
    case WindowKindGroupBox:
    case WindowKindEdit:
      return true;
    default:  // panels and pages are drawn by the painter; toolbars, progress bars
      return false;  // and buttons sit on the page's background
  }
}

void Exclude(HDC dc, const RECT& r) { ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom); }

// A rectangle in screen coordinates, in the outermost page's coordinates and cut
// to the panels around the child.
RECT Mapped(RECT rect, HWND child, HWND top) {
  MapWindowPoints(HWND_DESKTOP, top, reinterpret_cast<POINT*>(&rect), 2);
  ClipRectToRegisteredAncestors(rect, child, top);
  return rect;
}

bool BarShown(HWND child, LONG object, RECT& bar) {
  SCROLLBARINFO info{};
  info.cbSize = sizeof(info);
  if (!GetScrollBarInfo(child, object, &info)) return false;
  if (info.rgstate[0] & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN | STATE_SYSTEM_UNAVAILABLE)) return false;
  bar = info.rcScrollBar;
  return true;
}

}  // namespace

BOOL CALLBACK PaintChildBackgroundProc(HWND child, LPARAM lParam) {
  try {
    auto* params = reinterpret_cast<PaintChildBackgroundParams*>(lParam);
    if (!params || !params->dc) return TRUE;
    LockGuard mapLock(Locks().windowMap);
    if (!mapLock) return TRUE;
    const int32_t kind = KindIn(child);
    const HWND parent = GetAncestor(child, GA_PARENT);
    const int32_t parentKind = KindIn(parent);
    params->window = GetTopPanelExPageAncestor(child);
    RECT window{};
    GetWindowRect(child, &window);
    const RECT mapped = Mapped(window, child, params->window);

    // Newer systems draw tab controls over whatever the page painted under them.
    if (kind == WindowKindTabControl && Globals().osVersionCode >= 70) Exclude(params->dc, mapped);

    const bool transparent = (GetWindowLongW(child, GWL_EXSTYLE) & WS_EX_TRANSPARENT) != 0;
    if (transparent || !PaintsOwnBackground(kind) || !IsWindowVisible(child) || !IsWindowVisible(parent))
      return TRUE;
    if ((parentKind == WindowKindPanelEx || parentKind == WindowKindPanelExPage) && !IsRectEmpty(&mapped))
      Exclude(params->dc, mapped);
    RECT horizontal{}, vertical{};
    const bool hasHorizontal = BarShown(child, OBJID_HSCROLL, horizontal);
    const bool hasVertical = BarShown(child, OBJID_VSCROLL, vertical);
    if (hasHorizontal) Exclude(params->dc, Mapped(horizontal, child, params->window));
    if (hasVertical) Exclude(params->dc, Mapped(vertical, child, params->window));
    if (hasHorizontal && hasVertical) {
      // The square where the bars meet belongs to neither bar: nobody paints it.
      const RECT corner = Mapped(RECT{vertical.left, horizontal.top, vertical.right, horizontal.bottom}, child,
                                 params->window);
      FillRect(params->dc, &corner, GetSysColorBrush(COLOR_BTNFACE));
      Exclude(params->dc, corner);
    }
  } catch (...) {
  }
  return TRUE;
}

}  // namespace kelvra
