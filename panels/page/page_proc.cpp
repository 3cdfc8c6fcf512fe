// PanelExPageWindowProc: a page paints through the page painter and reports its
// mouse, command, notification and library messages to its panel's callback and
// to the panel's parent. What a message needs of the records is read under
// PanelLock, which is released before any callback, sent message or painting:
// a callback may free its own panel, so nothing read before it is trusted after.
#include <optional>

#include "commandbars/commandbars_seam.h"
#include "core/library/library_messages.h"
#include "core/library/reentrant_lock.h"
#include "core/platform/win_handles.h"
#include "panels/page/page_brush_cache.h"
#include "panels/page/page_cursor.h"
#include "panels/paint/page_paint.h"
#include "panels/panel/panel_classes.h"
#include "panels/panel/panel_registry.h"

namespace kelvra {

namespace {

struct Call {
  HWND window;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

// What the page's records say, copied out under PanelLock.
struct PageFacts {
  HWND panel = nullptr;
  WNDPROC callback = nullptr;
  intptr_t cursor = 0;
  int32_t backgroundFlags = 0;
  int8_t paintState = 0;
};

std::optional<PageFacts> ReadFacts(HWND window) {
  LockGuard lock(Locks().panel);
  const PanelExPageRecord* page = lock ? FindPanelExPageByWindow(window) : nullptr;
  if (!page || !page->panel) return std::nullopt;
  return PageFacts{page->panelWindow, page->panel->callback, page->cursor, page->backgroundSet.flags,
                   page->paintState};
}

LRESULT Default(const Call& call) { return DefWindowProcW(call.window, call.message, call.wParam, call.lParam); }

// The callback with `window` (the page's, or the panel's where the contract says so).
LRESULT CallBack(const std::optional<PageFacts>& facts, HWND window, const Call& call) {
  if (!facts || !facts->callback) return 0;
  return CallWindowProcW(facts->callback, window, call.message, call.wParam, call.lParam);
}

// To the panel's parent, asked of the window system now: the callback may have
// freed the panel, and then there is nobody to tell.
LRESULT SendToParent(const Call& call) {
  const HWND panel = GetParent(call.window);
  const HWND parent = panel ? GetParent(panel) : nullptr;
  return parent ? SendMessageW(parent, call.message, call.wParam, call.lParam) : 0;
}

// False when (wParam, lParam) repeats what the callback last got for this message.
bool PassesRepeatFilter(HWND window, RepeatFilterEntry PanelExPageRecord::*last, const Call& call) {
  LockGuard lock(Locks().panel);
  PanelExPageRecord* page = lock ? FindPanelExPageByWindow(window) : nullptr;
  if (!page) return false;
  RepeatFilterEntry& entry = page->*last;
  if (entry.stored && entry.wParam == call.wParam && entry.lParam == call.lParam) return false;
  entry = RepeatFilterEntry{true, call.wParam, call.lParam};
  return true;
}

LRESULT OnSkinChanged(const Call& call) {
  const auto facts = ReadFacts(call.window);
  if (!facts) return 0;
  CallBack(facts, facts->panel, call);
  // The first call may have freed the panel or changed its callback.
  const auto again = ReadFacts(call.window);
  CallBack(again, call.window, call);
  return 0;
}

LRESULT OnCtlColorStatic(const Call& call) {
  const auto dc = reinterpret_cast<HDC>(call.wParam);
  const auto control = reinterpret_cast<HWND>(call.lParam);
  HBRUSH brush = FindPageBrush(call.window, control);
  if (!brush) {
    if (!ReadFacts(call.window)) return 0;
    brush = MakePageStaticBrush(call.window, control, dc);
    if (brush && !CachePageBrush(call.window, control, brush)) brush = nullptr;
  }
  // Without a brush of the page's background the control draws its own.
  if (!brush) return Default(call);
  SetBkMode(dc, TRANSPARENT);
  return reinterpret_cast<LRESULT>(brush);
}

// An empty region: validating it validates nothing.
HRGN NoArea() {
  static const UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
  return region.get();
}

LRESULT OnPaint(const Call& call) {
  // A page has no frame, so the WM_NCPAINT that BeginPaint sends when the update
  // took in the window's edges (a page uncovered, or invalidated with its parent)
  // draws nothing, and it is a trip through every hook on the thread. The pending
  // frame is validated away first; the update region and its erase stay.
  RedrawWindow(call.window, nullptr, NoArea(), RDW_VALIDATE | RDW_NOFRAME | RDW_NOCHILDREN);
  PAINTSTRUCT paint{};
  const HDC dc = BeginPaint(call.window, &paint);
  paint.fErase = FALSE;
  const auto facts = ReadFacts(call.window);
  // A page nested on another page is drawn by that page's painter.
  if (dc && facts && facts->paintState != 1)
    PaintPanelExPage(dc, call.window, reinterpret_cast<HWND>(call.lParam), false);
  EndPaint(call.window, &paint);
  return 1;
}

LRESULT OnCommand(const Call& call) {
  const auto facts = ReadFacts(call.window);
  if (facts) {
    if (const LRESULT handled = CallBack(facts, facts->panel, call)) return handled;
  }
  return SendToParent(call);
}

LRESULT OnMouse(const Call& call) {
  const auto facts = ReadFacts(call.window);
  if (facts) ApplyPageCursor(call.window, facts->cursor);
  if (call.message != WM_MOUSEMOVE || PassesRepeatFilter(call.window, &PanelExPageRecord::lastMouseMove, call))
    CallBack(facts, call.window, call);
  return SendToParent(call);
}

LRESULT OnReported(const Call& call) {
  CallBack(ReadFacts(call.window), call.window, call);
  return SendToParent(call);
}

LRESULT OnNotify(const Call& call) {
  CallBack(ReadFacts(call.window), call.window, call);
  const auto* header = reinterpret_cast<const NMHDR*>(call.lParam);
  // A ToolBarEx's notifications are its own business, handled by the callback.
  if (header && IsToolBarExWindow(header->hwndFrom)) return 0;
  return SendToParent(call);
}

LRESULT OnSize(const Call& call) {
  EmptyPageBrushCache();  // the brushes show what lay behind the old size
  if (ReadFacts(call.window)) FitRebarsOnPage(call.window);
  return 0;
}

LRESULT OnNcHitTest(const Call& call) {
  const auto facts = ReadFacts(call.window);
  if (facts && (facts->backgroundFlags & kImageMouseTransparent)) return HTTRANSPARENT;
  return Default(call);
}

LRESULT OnOther(const Call& call) {
  const auto facts = ReadFacts(call.window);
  if (facts &&
      (call.message != WM_SETCURSOR || PassesRepeatFilter(call.window, &PanelExPageRecord::lastSetCursor, call)))
    CallBack(facts, call.window, call);
  return Default(call);
}

LRESULT Dispatch(const Call& call) {
  switch (call.message) {
    case SkinChangedMessage: return OnSkinChanged(call);
    case WM_THEMECHANGED: EmptyPageBrushCache(); return 0;
    case WM_CTLCOLORSTATIC: return OnCtlColorStatic(call);
    case WM_PAINT: return OnPaint(call);
    case WM_ERASEBKGND: return 1;
    case WM_COMMAND: return OnCommand(call);
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK: return OnMouse(call);
    case WM_MOUSELEAVE:
    case RebarHeightChangedMessage:
    case TextLinkHotMessage:
    case TextLinkClickedMessage: return OnReported(call);
    case WM_NOTIFY: return OnNotify(call);
    case WM_SIZE: return OnSize(call);
    case WM_NCHITTEST: return OnNcHitTest(call);
    default: return OnOther(call);
  }
}

}  // namespace

LRESULT CALLBACK PanelExPageWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    return Dispatch(Call{window, message, wParam, lParam});
  } catch (...) {
    return 0;
  }
}

}  // namespace kelvra
