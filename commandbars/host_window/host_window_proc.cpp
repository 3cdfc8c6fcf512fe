// HostWindowProc: the frame (the window's own procedure first, then the
// library's work, the result table) and its dispatch to the handlers of each
// message family. The pass-through path does nothing but one look-up.
#include <windows.h>
#include <commctrl.h>

#include "commandbars/host_window/host_window.h"
#include "commandbars/host_window/host_window_handlers.h"
#include "commandbars/host_window/host_window_record.h"
#include "commandbars/host_window/host_window_seams.h"
#include "commandbars/toolbar/toolbar_host_messages.h"
#include "core/library/library_globals.h"

namespace kelvra {

namespace {

LRESULT OnNotify(HWND window, WPARAM wParam, LPARAM lParam, LRESULT saved) {
  const auto* header = reinterpret_cast<const NMHDR*>(lParam);
  if (!header) return saved;
  switch (header->code) {
    case TTN_GETDISPINFOW:
    case TTN_GETDISPINFOA: AnswerToolBarExToolTip(lParam); return saved;
    case RBN_LAYOUTCHANGED: return OnRebarLayoutChanged(window, wParam, lParam, saved);
    case RBN_BEGINDRAG: return OnRebarBeginDrag(window, wParam, lParam, saved);
    case RBN_ENDDRAG: return OnRebarEndDrag(window, wParam, lParam, saved);
    case RBN_CHEVRONPUSHED: return OnRebarChevronPushed(window, wParam, lParam, saved);
    case TBN_DROPDOWN: return OnToolBarExDropDown(window, wParam, lParam, saved);
    case TBN_HOTITEMCHANGE: return OnToolBarExHotItemChange(window, wParam, lParam, saved);
    case NM_CUSTOMDRAW: return OnCommandBarCustomDraw(window, wParam, lParam, saved);
    default: return saved;
  }
}

LRESULT Dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT saved) {
  switch (message) {
    case WM_COMMAND: OnHostCommand(wParam, lParam); return saved;
    case WM_THEMECHANGED: OnHostThemeChanged(); return saved;
    case WM_DWMCOMPOSITIONCHANGED: RefreshCompositionFlag(); return saved;
    case WM_ACTIVATE: OnHostActivate(window, wParam); return 0;
    case WM_SIZING: OnHostSizing(window); return saved;
    case WM_EXITSIZEMOVE: OnHostExitSizeMove(window); return saved;
    case WM_SIZE: FitHostRebars(window, wParam, lParam); return 0;
    case WM_SETTINGCHANGE: return OnHostSettingChange(wParam) ? 0 : saved;
    case WM_NOTIFY: return OnNotify(window, wParam, lParam, saved);
    case WM_MEASUREITEM: return OnHostMeasureItem(window, wParam, lParam, saved);
    case WM_DRAWITEM: return OnHostDrawItem(window, wParam, lParam, saved);
    default: return saved;
  }
}

}  // namespace

LRESULT CALLBACK HostWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  WNDPROC own = nullptr;
  const bool recorded = HostWindows().SavedProcedureOf(window, own);
  const LRESULT saved = own ? CallWindowProcW(own, window, message, wParam, lParam) : 0;
  if (message == WM_NCDESTROY) {
    // The window is gone, and so goes its record: the list would otherwise keep
    // every window that ever hosted a toolbar, menu bar or rebar.
    if (recorded) HostWindows().Remove(window);
    return saved;
  }
  if (!recorded || Globals().state == LibraryState::Ended) return saved;
  try {
    return Dispatch(window, message, wParam, lParam, saved);
  } catch (...) {
    // Our own work failed; the window's own answer stands.
    return saved;
  }
}

}  // namespace kelvra
