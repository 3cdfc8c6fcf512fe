// The panel and page lists, the page index by window, and the records' entry and
// removal.
#include "panels/panel/panel_registry.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

#include "core/border/border_image_set.h"
#include "panels/scrolling/page_content_tracking.h"
#include "panels/paint/page_paint_state.h"
#include "panels/panels_seam.h"

namespace kelvra {

namespace {

// CommonSubclassProc asks for a page by window on every move and show of a window
// on a page, and page indexes repeat across panels: a map by window, not a search.
std::unordered_map<HWND, PanelExPageRecord*>& PagesByWindow() {
  static std::unordered_map<HWND, PanelExPageRecord*> pages;
  return pages;
}

// Panels by the parent they had at their last move: a parent's erase asks for its
// own panels, and one window may have thousands of them among thousands more.
std::unordered_map<HWND, std::vector<PanelExRecord*>>& PanelsByParent() {
  static std::unordered_map<HWND, std::vector<PanelExRecord*>> panels;
  return panels;
}

// Takes the panel out of its known parent's list: the last one fills its slot, so
// freeing thousands of panels of one parent stays linear.
void ForgetPanelParent(PanelExRecord& panel) {
  auto& byParent = PanelsByParent();
  auto it = byParent.find(panel.knownParent);
  panel.knownParent = nullptr;
  if (it == byParent.end()) return;
  auto& siblings = it->second;
  const size_t slot = panel.knownSlot;
  if (slot >= siblings.size() || siblings[slot] != &panel) return;
  siblings[slot] = siblings.back();
  siblings[slot]->knownSlot = slot;
  siblings.pop_back();
  if (siblings.empty()) byParent.erase(it);
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
  ForgetPanelParent(*panel);
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

void NotePanelExPlace(PanelExRecord& panel) {
  const HWND window = panel.Window();
  const HWND parent = GetAncestor(window, GA_PARENT);
  if (!parent) {  // a window on its way out
    ForgetPanelParent(panel);
    return;
  }
  if (parent != panel.knownParent) {
    ForgetPanelParent(panel);
    try {
      auto& siblings = PanelsByParent()[parent];
      siblings.push_back(&panel);
      panel.knownSlot = siblings.size() - 1;
      panel.knownParent = parent;
    } catch (...) {
      // Out of memory: the panel stays out of the index, and its parent's erase
      // no longer cuts it out (it is painted over by its pages afterwards).
    }
  }
  RECT rect{};
  GetWindowRect(window, &rect);
  MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
  panel.knownRect = rect;
}

void ForEachPanelExWithParent(HWND parent, const RECT* area, PanelWindowVisitor visit, void* context) {
  if (!visit) return;
  auto it = PanelsByParent().find(parent);
  if (it == PanelsByParent().end()) return;
  for (const PanelExRecord* panel : it->second) {
    RECT overlap{};
    if (area && !IntersectRect(&overlap, &panel->knownRect, area)) continue;
    // The window system has the last word on the parent.
    const HWND window = panel->Window();
    if (GetAncestor(window, GA_PARENT) == parent) visit(window, context);
  }
}

void MarkPanelExPagesUnpainted(HWND panelWindow) {
  const PanelExRecord* panel = PanelExList().FindByWindow(panelWindow);
  if (!panel) return;
  for (PanelExPageRecord* page : panel->pages) page->paintState = 0;
}

}  // namespace kelvra
