// Making a control family's panel and page without disturbing the panel that the
// application's AddPanelExPage calls add to.
#include "panels/panel/family_panel.h"

#include "core/library/reentrant_lock.h"
#include "panels/panel/panel_operations.h"
#include "panels/panel/panel_record.h"
#include "panels/panel/panel_registry.h"

namespace kelvra {

namespace {

// Shown as ShowWindow shows a child window (WM_SHOWWINDOW, then the placement
// with SWP_SHOWWINDOW), but with its erase left to its next paint, which drops
// it: the page covers the panel, which draws nothing and answers WM_ERASEBKGND
// with 1, and the WM_NCPAINT and WM_ERASEBKGND the show would send at once are
// trips through every hook on the thread for nothing. The page, made while the
// panel was hidden, was spared its placement messages the same way.
void ShowFamilyPanel(HWND panel) {
  SendMessageW(panel, WM_SHOWWINDOW, TRUE, 0);
  SetWindowPos(panel, nullptr, 0, 0, 0, 0,
               SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_DEFERERASE);
}

}  // namespace

FamilyPanel MakeFamilyPanel(HWND parent, int x, int y, int width, int height, WNDPROC callback, int32_t background) {
  HWND savedCurrent = nullptr;
  {
    LockGuard lock(Locks().panel);
    if (!lock) return {};
    savedCurrent = CurrentPanelEx();
  }
  FamilyPanel made;
  made.number = static_cast<int32_t>(CreatePanel(-1, parent, x, y, width, height, callback, false));
  // No panel, no page: going on would add the page to whatever panel the
  // application made last.
  if (!made.number) return {};
  {
    LockGuard lock(Locks().panel);
    if (const PanelExRecord* record = lock ? FindPanelExByNumber(made.number) : nullptr) {
      made.window = record->Window();
      // A window procedure run by the creation may have made panels of its own.
      CurrentPanelEx() = made.window;
    }
  }
  if (made.window) made.page = AddPage(background, PageImage{nullptr, 0, 0, 0, 0, kImageNoContainer});
  {
    LockGuard lock(Locks().panel);
    if (lock) CurrentPanelEx() = FindPanelExByWindow(savedCurrent) ? savedCurrent : nullptr;
  }
  if (!made.page) {
    FreePanel(made.number);
    return {};
  }
  ShowFamilyPanel(made.window);
  // Showing it ran window procedures, which may have freed it.
  {
    LockGuard lock(Locks().panel);
    if (lock && !FindPanelExByNumber(made.number)) return {};
  }
  return made;
}

}  // namespace kelvra
