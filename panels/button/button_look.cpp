// Copying a visual state's look to the page, and repainting buttons.
#include "panels/button/button_look.h"

#include "core/library/reentrant_lock.h"
#include "panels/page/page_invalidation.h"
#include "panels/page/page_look.h"
#include "panels/page/page_settings.h"
#include "panels/panel/panel_record.h"

namespace kelvra {

namespace {

// The button's client rectangle in `target`'s client coordinates.
RECT AreaIn(HWND button, HWND target) {
  RECT rect{};
  GetClientRect(button, &rect);
  MapWindowPoints(button, target, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

}  // namespace

void SetButtonPageLook(int32_t panelNumber, const ButtonExLook& look, bool withCursor) {
  const intptr_t panel = panelNumber;
  SetPageLook(panel, 0, look);
  if (withCursor && look.cursor) SetPageCursor(panel, 0, reinterpret_cast<intptr_t>(look.cursor));
}

void ApplyButtonLook(ButtonExRecord& button, uint8_t state) {
  if (state >= kButtonExStateCount) return;
  // A copy: the page calls below must not read a record that could change.
  const ButtonExLook look = button.looks[state];
  button.shown = state;
  SetButtonPageLook(button.panelNumber, look, true);
}

void RefreshButton(HWND page) { RedrawPanelExPage(page); }

void RedrawButtonInOutermostPage(HWND page) {
  HWND top = page;
  {
    LockGuard mapLock(Locks().windowMap);
    if (mapLock) top = GetTopPanelExPageAncestor(page);
  }
  const RECT area = AreaIn(page, top);
  RedrawWindow(top, &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ERASENOW);
}

void RedrawButtonInRoot(HWND panelWindow) {
  const HWND root = GetAncestor(panelWindow, GA_ROOT);
  if (!root) return;
  const RECT area = AreaIn(panelWindow, root);
  RedrawWindow(root, &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
}

void ShowButtonState(ButtonExRecord& button, uint8_t state) {
  const HWND page = button.page;
  ApplyButtonLook(button, state);
  RefreshButton(page);
}

}  // namespace kelvra
