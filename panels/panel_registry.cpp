// The panel and page lists, the page index by window, and the records' entry and
// removal.
#include "panels/panel_registry.h"

#include <algorithm>
#include <unordered_map>

#include "core/border/border_image_set.h"
#include "panels/page_content_tracking.h"
#include "panels/page_paint_state.h"
#include "panels/panels_seam.h"

namespace kelvra {

namespace {

// CommonSubclassProc asks for a page by window on every move and show of a window
// on a page, and page indexes repeat across panels: a map by window, not a search.
std::unordered_map<HWND, PanelExPageRecord*>& PagesByWindow() {
  static std::unordered_map<HWND, PanelExPageRecord*> pages;
  return pages;
}

}  // namespace

ControlList<PanelExRecord>& PanelExList() {
  static ControlList<PanelExRecord> panels;
  return panels;
}

ControlList<PanelExPageRecord>& PanelExPageList() {
  static ControlList<PanelExPageRecord> pages;
  return pages;
}

HWND& CurrentPanelEx() {
  static HWND panel = nullptr;
  return panel;
}

HWND& PageInsertPosition() {
  static HWND page = nullptr;
  return page;
}

PanelExRecord* FindPanelEx(intptr_t key) {
  PanelExRecord* panel = PanelExList().Find(key);
  return panel && !panel->freeing ? panel : nullptr;
}

PanelExRecord* FindPanelExByNumber(int32_t number) {
  PanelExRecord* panel = PanelExList().FindByNumber(number);
  return panel && !panel->freeing ? panel : nullptr;
}

PanelExRecord* FindPanelExByWindow(HWND window) {
  PanelExRecord* panel = window ? PanelExList().FindByWindow(window) : nullptr;
  return panel && !panel->freeing ? panel : nullptr;
}

PanelExPageRecord* FindPanelExPage(const PanelExRecord& panel, intptr_t key) {
  for (PanelExPageRecord* page : panel.pages)
    if (page->index == key && !page->freeing) return page;
  for (PanelExPageRecord* page : panel.pages)
    if (reinterpret_cast<intptr_t>(page->window) == key && !page->freeing) return page;
  return nullptr;
}

PanelExPageRecord* FindPanelExPage(intptr_t panelKey, intptr_t pageKey) {
  const PanelExRecord* panel = FindPanelEx(panelKey);
  return panel ? FindPanelExPage(*panel, pageKey) : nullptr;
}

PanelExPageRecord* FindPanelExPageByWindow(HWND pageWindow) {
  auto& pages = PagesByWindow();
  auto it = pages.find(pageWindow);
  return it == pages.end() ? nullptr : it->second;
}

bool PanelExPageAutoScrolls(const PanelExPageRecord& page) { return page.autoScroll != 0; }

bool PanelExPageIsCurrent(const PanelExPageRecord& page) { return page.shown != 0; }

PanelExPageRecord* EnterPanelExPage(PanelExRecord& panel, std::unique_ptr<PanelExPageRecord> page,
                                    PanelExPageRecord* before) {
  auto& own = panel.pages;
  auto at = before ? std::find(own.begin(), own.end(), before) : own.end();
  if (at == own.end()) before = nullptr;
  PanelExPageRecord* record = PanelExPageList().InsertBefore(before, std::move(page));
  if (!record) return nullptr;
  own.insert(at, record);
  PagesByWindow()[record->window] = record;
  return record;
}

void DeletePanelExPage(PanelExPageRecord* page) {
  if (!page) return;
  if (PanelExRecord* panel = page->panel) {
    auto& own = panel->pages;
    own.erase(std::remove(own.begin(), own.end(), page), own.end());
    if (panel->currentPage == page) {
      panel->currentPage = nullptr;
      panel->currentPageIndex = 0;
    }
  }
  auto& byWindow = PagesByWindow();
  auto it = byWindow.find(page->window);
  if (it != byWindow.end() && it->second == page) byWindow.erase(it);
  if (page->border) ReleaseBorderImageSet(page->border);
  PanelExPageList().Remove(page);  // both image lists go with the record
}

void DeletePanelEx(PanelExRecord* panel) {
  if (!panel) return;
  while (!panel->pages.empty()) DeletePanelExPage(panel->pages.back());
  panel->backBuffer.Release();
  panel->alphaBuffer.Release();
  if (CurrentPanelEx() == panel->Window()) CurrentPanelEx() = nullptr;
  PanelExList().Remove(panel);
}

void RenumberPanelExPages(PanelExRecord& panel) {
  int32_t index = 0;
  for (PanelExPageRecord* page : panel.pages) page->index = index++;
  panel.pageCounter = index + 1;
  panel.currentPageIndex = panel.currentPage ? panel.currentPage->index : 0;
}

}  // namespace kelvra

namespace kelvra {

void ForEachPanelExWithParent(HWND parent, PanelWindowVisitor visit, void* context) {
  if (!visit) return;
  // The parent is the window system's to say: SetParent does not tell us.
  for (const PanelExRecord& panel : PanelExList()) {
    const HWND window = panel.Window();
    if (GetAncestor(window, GA_PARENT) == parent) visit(window, context);
  }
}

void MarkPanelExPagesUnpainted(HWND panelWindow) {
  const PanelExRecord* panel = PanelExList().FindByWindow(panelWindow);
  if (!panel) return;
  for (PanelExPageRecord* page : panel->pages) page->paintState = 0;
}

}  // namespace kelvra
