// SetPanelExPageBorder, SetPanelExPageCursor and SetPanelExPageAlpha.
#include <algorithm>

#include "core/border/border_image_set.h"
#include "core/library/reentrant_lock.h"
#include "panels/page/page_cursor.h"
#include "panels/page/page_invalidation.h"
#include "panels/page/page_settings.h"
#include "panels/panel/panel_registry.h"
#include "panels/panels_seam.h"

namespace kelvra {

namespace {

// IDC_ARROW to IDC_HELP: identifiers the system's own cursors are loaded by.
constexpr intptr_t kFirstSystemCursor = 0x7F00;
constexpr intptr_t kLastSystemCursor = 0x7F8B;

}  // namespace

int SetPageBorder(intptr_t panelKey, intptr_t pageKey, HBITMAP border, intptr_t mask, const RECT* margins,
                  bool redraw) {
  LockGuard lock(Locks().panel);
  if (!lock) return 0;
  PanelExPageRecord* page = FindPanelExPage(panelKey, pageKey);
  if (!page) return 0;
  if (!PrepareBorderImageSlices(page->border, border, mask, margins)) return 0;
  const HWND window = page->window;
  lock.Unlock();
  if (redraw) RedrawPanelExPage(window);
  return 1;
}

intptr_t SetPageCursor(intptr_t panelKey, intptr_t pageKey, intptr_t cursor) {
  if (cursor >= kFirstSystemCursor && cursor <= kLastSystemCursor)
    cursor = reinterpret_cast<intptr_t>(LoadCursorW(nullptr, MAKEINTRESOURCEW(cursor)));
  LockGuard lock(Locks().panel);
  if (!lock) return 0;
  PanelExPageRecord* page = FindPanelExPage(panelKey, pageKey);
  if (!page) return 0;
  page->cursor = cursor;
  const HWND window = page->window;
  lock.Unlock();
  ApplyPageCursor(window, cursor);
  return cursor;
}

namespace {

// Stores the alpha of the page `pageKey` of `panel` (found under `lock`).
int StoreAlpha(LockGuard& lock, const PanelExRecord* panel, intptr_t pageKey, int32_t alpha, bool redraw) {
  PanelExPageRecord* page = panel ? FindPanelExPage(*panel, pageKey) : nullptr;
  if (!page) return 0;
  // The painter blends 1..254 and treats 0 and 255 as their own cases: a value
  // outside 0..255 must not wrap into another one.
  page->alpha = static_cast<uint16_t>(std::clamp(alpha, 0, 255));
  const HWND window = page->window;
  lock.Unlock();
  if (redraw) RedrawPanelExPage(window);
  return 1;
}

}  // namespace

int SetPageAlpha(intptr_t panelKey, intptr_t pageKey, int32_t alpha, bool redraw) {
  LockGuard lock(Locks().panel);
  if (!lock) return 0;
  return StoreAlpha(lock, FindPanelEx(panelKey), pageKey, alpha, redraw);
}

int32_t SetPanelExPageAlpha(HWND panelWindow, int32_t page, int32_t alpha, bool noRedraw) {
  LockGuard lock(Locks().panel);
  if (!lock) return 0;
  // By its window only: an application's panel numbered like the window comes
  // first in a look-up by number or window.
  return StoreAlpha(lock, FindPanelExByWindow(panelWindow), page, alpha, !noRedraw);
}

}  // namespace kelvra
