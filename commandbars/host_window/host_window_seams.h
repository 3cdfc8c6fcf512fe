// The message families of host windows that other command-bar families answer.
// Each gets the host window, the message's wParam and lParam, and the result of
// the window's own procedure (already called), and returns the message's result.
// HostWindowProc calls them on the host's thread with no library lock held.
// Not built yet: commandbars/not_built_yet.cpp answers each with `saved`, and
// FitHostRebars does nothing (there are no rebars). To build one, delete its
// stub there and define it in the family's folder.
#pragma once

#include <windows.h>

namespace kelvra {

// WM_NOTIFY, by notification code (a notice without a header never comes here).
// Rebars (commandbars/rebar/):
LRESULT OnRebarLayoutChanged(HWND host, WPARAM wParam, LPARAM lParam, LRESULT saved);  // RBN_LAYOUTCHANGED
LRESULT OnRebarBeginDrag(HWND host, WPARAM wParam, LPARAM lParam, LRESULT saved);      // RBN_BEGINDRAG
LRESULT OnRebarEndDrag(HWND host, WPARAM wParam, LPARAM lParam, LRESULT saved);        // RBN_ENDDRAG
LRESULT OnRebarChevronPushed(HWND host, WPARAM wParam, LPARAM lParam, LRESULT saved);  // RBN_CHEVRONPUSHED
// Toolbar drop-downs and title menus (TBN_DROPDOWN), hot items (TBN_HOTITEMCHANGE)
// and the custom draw of toolbars and rebars (NM_CUSTOMDRAW):
LRESULT OnToolBarExDropDown(HWND host, WPARAM wParam, LPARAM lParam, LRESULT saved);
LRESULT OnToolBarExHotItemChange(HWND host, WPARAM wParam, LPARAM lParam, LRESULT saved);
LRESULT OnCommandBarCustomDraw(HWND host, WPARAM wParam, LPARAM lParam, LRESULT saved);

// WM_MEASUREITEM and WM_DRAWITEM (owner-drawn menu items: commandbars/menu_draw/).
// lParam is the system's MEASUREITEMSTRUCT / DRAWITEMSTRUCT; items that are not
// the library's (another CtlType, or item data it did not make) get `saved`.
LRESULT OnHostMeasureItem(HWND host, WPARAM wParam, LPARAM lParam, LRESULT saved);
LRESULT OnHostDrawItem(HWND host, WPARAM wParam, LPARAM lParam, LRESULT saved);

// WM_SIZE (its result is 0 whatever this does): the host's rebars stretched to
// its new client width (low word of lParam) at their bar height with redraw
// off, their bands laid out, redrawn (the grown update region while
// CommandBarState().settings.hostSizingFlag is -1, the whole rebar after), and
// with wParam SIZE_RESTORED the band of a toolbar whose row count changed fitted
// again; toolbars on the host's children redrawn.
void FitHostRebars(HWND host, WPARAM wParam, LPARAM lParam);

}  // namespace kelvra
