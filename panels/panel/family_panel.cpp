// Making a control family's panel and page without disturbing the panel that the
// application's AddPanelExPage calls add to.
#include "panels/panel/family_panel.h"

#include "core/library/reentrant_lock.h"
#include "panels/panel/panel_operations.h"
#include "panels/panel/panel_record.h"
#include "panels/panel/panel_registry.h"

namespace kelvra {

FamilyPanel MakeFamilyPanel(HWND parent, int x, int y, int width, int height, WNDPROC callback, int32_t background) {
  HWND savedCurrent = nullptr;
  {
    LockGuard lock(Locks().panel);
    if (!lock) return {};
    savedCurrent = CurrentPanelEx();
  }
  FamilyPanel made;
  made.number = static_cast<int32_t>(CreatePanel(-1, parent, x, y, width, height, callback));
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
  return made;
}

}  // namespace kelvra
