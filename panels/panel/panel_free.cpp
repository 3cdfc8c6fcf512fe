// Freeing pages and panels. The windows on a page outlive it: they are handed to
// the panel's parent before the page window is destroyed. Records are marked as
// being freed while their windows go (with PanelLock released), so that nothing
// called back meanwhile starts freeing them a second time.
#include <algorithm>
#include <vector>

#include "core/library/reentrant_lock.h"
#include "panels/panel/panel_operations.h"
#include "panels/panel/panel_registry.h"
#include "panels/panel/panel_show.h"

namespace kelvra {

namespace {

struct ReparentParams {
  HWND page;
  HWND newParent;
  HWND keep[3];  // the page's own scroll bars and size box: they go with the page
};

// EnumChildWindows lists grandchildren too; only the page's direct children move,
// so a combo box keeps its edit and a nested panel keeps its pages.
BOOL CALLBACK ReparentChildProc(HWND child, LPARAM lParam) {
  const auto& params = *reinterpret_cast<const ReparentParams*>(lParam);
  if (GetAncestor(child, GA_PARENT) != params.page) return TRUE;
  if (std::find(std::begin(params.keep), std::end(params.keep), child) != std::end(params.keep)) return TRUE;
  SetParent(child, params.newParent);
  return TRUE;
}

struct DoomedPage {
  PanelExPageRecord* record;
  HWND window;
  HWND bars[3];
};

DoomedPage Doom(PanelExPageRecord& page) {
  page.freeing = true;
  return {&page, page.window, {page.horizontalBar, page.verticalBar, page.sizeBox}};
}

// With PanelLock released: the page's children go to `newParent`, the page and
// its scroll bars (which may belong to the panel) are destroyed.
void DestroyPageWindows(const DoomedPage& page, HWND newParent) {
  ReparentParams params{page.window, newParent, {page.bars[0], page.bars[1], page.bars[2]}};
  EnumChildWindows(page.window, ReparentChildProc, reinterpret_cast<LPARAM>(&params));
  DestroyWindow(page.window);
  for (HWND bar : page.bars)
    if (bar && IsWindow(bar)) DestroyWindow(bar);
}

// Deletes the record unless something called back meanwhile has deleted it.
void ForgetPage(const DoomedPage& page) {
  if (PanelExPageList().Contains(page.record) && page.record->freeing) DeletePanelExPage(page.record);
}

// The page that takes the current place when `current` goes: the one before it in
// list order, else the one after, among the pages that stay.
PanelExPageRecord* Neighbour(const PanelExRecord& panel, const PanelExPageRecord* current) {
  auto& pages = panel.pages;
  auto at = std::find(pages.begin(), pages.end(), current);
  if (at == pages.end()) return nullptr;
  for (auto it = at; it != pages.begin();)
    if (!(*--it)->freeing) return *it;
  for (auto it = std::next(at); it != pages.end(); ++it)
    if (!(*it)->freeing) return *it;
  return nullptr;
}

}  // namespace

int FreePage(intptr_t panelKey, intptr_t pageKey) {
  LockGuard lock(Locks().panel);
  if (!lock) return 0;
  PanelExRecord* panel = FindPanelEx(panelKey);
  if (!panel) return 0;
  std::vector<DoomedPage> doomed;
  if (pageKey == -1) {
    for (PanelExPageRecord* page : panel->pages)
      if (!page->freeing) doomed.push_back(Doom(*page));
  } else {
    PanelExPageRecord* page = FindPanelExPage(*panel, pageKey);
    if (!page) return 0;
    doomed.push_back(Doom(*page));
  }
  const HWND panelWindow = panel->Window();
  const PanelExPageRecord* neighbour = nullptr;
  HWND neighbourWindow = nullptr;
  if (panel->currentPage && panel->currentPage->freeing) {
    neighbour = Neighbour(*panel, panel->currentPage);
    if (neighbour) neighbourWindow = neighbour->window;
  }

  lock.Unlock();
  const HWND newParent = GetParent(panelWindow);
  for (const DoomedPage& page : doomed) DestroyPageWindows(page, newParent);
  if (!lock.Relock()) return 1;

  for (const DoomedPage& page : doomed) ForgetPage(page);
  panel = FindPanelExByWindow(panelWindow);
  if (!panel) return 1;
  RenumberPanelExPages(*panel);
  if (neighbourWindow && !panel->currentPage) {
    PanelExPageRecord* next = FindPanelExPageByWindow(neighbourWindow);
    if (next && next->panel == panel && !next->freeing) ShowPanelPage(*panel, *next, lock);
  }
  return 1;
}

int FreePanel(intptr_t panelKey) {
  LockGuard lock(Locks().panel);
  if (!lock) return 0;
  std::vector<PanelExRecord*> panels;
  if (panelKey == -1) {
    for (PanelExRecord& panel : PanelExList())
      if (!panel.freeing) panels.push_back(&panel);
  } else {
    PanelExRecord* panel = FindPanelEx(panelKey);
    if (!panel) return 0;
    panels.push_back(panel);
  }
  struct DoomedPanel {
    PanelExRecord* record;
    HWND window;
    std::vector<DoomedPage> pages;
  };
  std::vector<DoomedPanel> doomed;
  for (PanelExRecord* panel : panels) {
    panel->freeing = true;
    DoomedPanel entry{panel, panel->Window(), {}};
    for (PanelExPageRecord* page : panel->pages)
      if (!page->freeing) entry.pages.push_back(Doom(*page));
    doomed.push_back(std::move(entry));
  }

  lock.Unlock();
  for (const DoomedPanel& panel : doomed) {
    const HWND newParent = GetParent(panel.window);
    for (const DoomedPage& page : panel.pages) DestroyPageWindows(page, newParent);
    DestroyWindow(panel.window);
  }
  if (!lock.Relock()) return 1;
  for (const DoomedPanel& panel : doomed)
    if (PanelExList().Contains(panel.record) && panel.record->freeing) DeletePanelEx(panel.record);
  return 1;
}

}  // namespace kelvra
