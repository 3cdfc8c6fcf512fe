// Creating panels, and adding and inserting pages.
#include <utility>

#include "core/border/border_image_set.h"
#include "core/library/object_numbers.h"
#include "core/library/reentrant_lock.h"
#include "panels/page/page_image_list.h"
#include "panels/panel/panel_classes.h"
#include "panels/panel/panel_operations.h"
#include "panels/panel/panel_registry.h"
#include "panels/paint/theme_border_sets.h"

namespace kelvra {

namespace {

constexpr DWORD kPageStyle = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;  // 0x46000000

int32_t FreshPanelNumber() {
  int32_t number = NewObjectNumber();
  while (PanelExList().FindByNumber(number)) number = NewObjectNumber();
  return number;
}

// Fills a new page record (entered, so its window is known) from its panel.
void FillPage(PanelExPageRecord& page, PanelExRecord& panel, int32_t background, const PageImage& image,
              const RECT& client) {
  page.index = panel.pageCounter++;
  page.panelWindow = panel.Window();
  page.panel = &panel;
  page.backgroundSet.background = background;
  page.backgroundSet.flags = image.flags;
  page.overlaySet.background = kBackgroundNone;
  page.border = AddBorderImageSet();
  page.pageWidth = client.right;
  page.pageHeight = client.bottom;
  page.alpha = 255;
  if (image.image) {
    SetPageImage(page.backgroundSet, image.image, image.width, image.height, image.flags);
    page.backgroundSet.x = image.x;
    page.backgroundSet.y = image.y;
  }
  if (!panel.currentPage) {
    panel.currentPage = &page;
    panel.currentPageIndex = page.index;
    page.shown = -1;
  }
}

}  // namespace

intptr_t CreatePanel(int32_t number, HWND parent, int x, int y, int width, int height, WNDPROC callback,
                     bool shown) {
  LockGuard lock(Locks().panel);
  if (!lock || !IsWindow(parent)) return 0;
  const bool numberChosen = number == -1;
  if (numberChosen) {
    number = FreshPanelNumber();
  } else if (PanelExList().FindByNumber(number)) {
    return 0;
  }
  if (!RegisterPanelClass(PanelClass::Panel)) return 0;

  lock.Unlock();
  const DWORD style = WS_CHILD | (shown ? WS_VISIBLE : 0);
  const HWND window = CreateWindowExW(0, PanelClassName(PanelClass::Panel), nullptr, style, x, y, width, height,
                                      parent, nullptr, PanelModule(), nullptr);
  if (!window) return 0;
  // The number may have been taken while the window was being made (a hook or
  // its parent's procedure creating panels of its own).
  if (!lock.Relock() || PanelExList().FindByNumber(number)) {
    lock.Unlock();
    DestroyWindow(window);
    return 0;
  }

  CaptureThemeBorders();
  auto record = std::make_unique<PanelExRecord>();
  record->number = number;
  record->window = window;
  record->width = width;
  record->height = height;
  record->callback = callback;
  NotePanelExPlace(*PanelExList().Append(std::move(record)));
  CurrentPanelEx() = window;
  return numberChosen ? number : reinterpret_cast<intptr_t>(window);
}

HWND AddPage(int32_t background, const PageImage& image) {
  LockGuard lock(Locks().panel);
  if (!lock) return nullptr;
  const HWND insertBefore = std::exchange(PageInsertPosition(), nullptr);
  PanelExRecord* panel = FindPanelExByWindow(CurrentPanelEx());
  if (!panel || !RegisterPanelClass(PanelClass::Page)) return nullptr;
  const HWND panelWindow = panel->Window();
  // The first page is shown at once; later ones wait for ShowPanelExPage.
  const DWORD style = kPageStyle | (panel->currentPage ? 0 : WS_VISIBLE);
  // The panel's size now, not the one it was created with: it may have been resized.
  RECT client{};
  GetClientRect(panelWindow, &client);

  lock.Unlock();
  const HWND window = CreateWindowExW(WS_EX_TRANSPARENT, PanelClassName(PanelClass::Page), nullptr, style, 0, 0,
                                      client.right, client.bottom, panelWindow, nullptr, PanelModule(), nullptr);
  if (!window) return nullptr;
  const bool relocked = lock.Relock();
  panel = relocked ? FindPanelExByWindow(panelWindow) : nullptr;
  if (!panel) {
    lock.Unlock();
    DestroyWindow(window);
    return nullptr;
  }

  PanelExPageRecord* before = insertBefore ? FindPanelExPageByWindow(insertBefore) : nullptr;
  auto fresh = std::make_unique<PanelExPageRecord>();
  fresh->window = window;
  PanelExPageRecord* page = EnterPanelExPage(*panel, std::move(fresh), before);
  if (!page) {
    lock.Unlock();
    DestroyWindow(window);
    return nullptr;
  }
  FillPage(*page, *panel, background, image, client);
  return window;
}

HWND InsertPage(intptr_t panelKey, intptr_t position, int32_t background, const PageImage& image) {
  LockGuard lock(Locks().panel);
  if (!lock) return nullptr;
  PanelExRecord* panel = FindPanelEx(panelKey);
  if (!panel) return nullptr;
  HWND before = nullptr;
  if (position != -1) {
    const PanelExPageRecord* page = FindPanelExPage(*panel, position);
    if (!page) return nullptr;
    before = page->window;
  }
  const HWND panelWindow = panel->Window();
  PageInsertPosition() = before;
  CurrentPanelEx() = panelWindow;

  lock.Unlock();
  const HWND window = AddPage(background, image);
  if (!lock.Relock()) return window;
  PageInsertPosition() = nullptr;
  if (PanelExRecord* again = FindPanelExByWindow(panelWindow)) RenumberPanelExPages(*again);
  return window;
}

}  // namespace kelvra
