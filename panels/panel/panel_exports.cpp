// Exports of PanelEx panels and pages: thin shims over the panel operations and
// the registry's queries.
#include "kelvra.h"

#include "core/library/reentrant_lock.h"
#include "panels/page/page_invalidation.h"
#include "panels/panel/panel_operations.h"
#include "panels/panel/panel_registry.h"

namespace {

intptr_t Key(int value) { return static_cast<intptr_t>(value); }

// A query under PanelLock: `answer(record)` for the panel, `unknown` without one.
template <class Answer, class Result>
Result AskPanel(int panel, Result unknown, Answer&& answer) {
  try {
    kelvra::LockGuard lock(kelvra::Locks().panel);
    if (!lock) return unknown;
    const kelvra::PanelExRecord* record = kelvra::FindPanelEx(Key(panel));
    return record ? answer(*record) : unknown;
  } catch (...) {
    return unknown;
  }
}

int WindowExtent(const kelvra::PanelExRecord& panel, bool width) {
  RECT rect{};
  if (!GetWindowRect(panel.Window(), &rect)) return -1;
  return width ? rect.right - rect.left : rect.bottom - rect.top;
}

kelvra::PageImage ImageOf(HANDLE image, int x, int y, int width, int height, int flags) {
  return kelvra::PageImage{image, x, y, width, height, flags};
}

}  // namespace

extern "C" {

KELVRA_API int KELVRA_CALL CreatePanelEx(int number, HWND parent, int x, int y, int width, int height,
                                         WNDPROC callback) {
  try {
    return static_cast<int>(kelvra::CreatePanel(number, parent, x, y, width, height, callback));
  } catch (...) {
    return 0;
  }
}

KELVRA_API HWND KELVRA_CALL AddPanelExPage(int background) {
  try {
    return kelvra::AddPage(background, kelvra::PageImage{});
  } catch (...) {
    return nullptr;
  }
}

KELVRA_API HWND KELVRA_CALL AddPanelExImagePage(int background, HANDLE image, int x, int y, int width, int height,
                                                int flags) {
  try {
    return kelvra::AddPage(background, ImageOf(image, x, y, width, height, flags));
  } catch (...) {
    return nullptr;
  }
}

KELVRA_API HWND KELVRA_CALL InsertPanelExPage(int panel, int position, int background) {
  try {
    return kelvra::InsertPage(Key(panel), Key(position), background, kelvra::PageImage{});
  } catch (...) {
    return nullptr;
  }
}

KELVRA_API HWND KELVRA_CALL InsertPanelExImagePage(int panel, int position, int background, HANDLE image, int x,
                                                   int y, int width, int height, int flags) {
  try {
    return kelvra::InsertPage(Key(panel), Key(position), background, ImageOf(image, x, y, width, height, flags));
  } catch (...) {
    return nullptr;
  }
}

KELVRA_API int KELVRA_CALL ShowPanelExPage(int panel, int page) {
  try {
    return kelvra::ShowPage(Key(panel), Key(page));
  } catch (...) {
    return 0;
  }
}

KELVRA_API int KELVRA_CALL FreePanelEx(int panel) {
  try {
    return kelvra::FreePanel(Key(panel));
  } catch (...) {
    return 0;
  }
}

KELVRA_API int KELVRA_CALL FreePanelExPage(int panel, int page) {
  try {
    return kelvra::FreePage(Key(panel), Key(page));
  } catch (...) {
    return 0;
  }
}

KELVRA_API HWND KELVRA_CALL PanelExID(int number, int pageIndex) {
  try {
    kelvra::LockGuard lock(kelvra::Locks().panel);
    const kelvra::PanelExRecord* panel = lock ? kelvra::FindPanelExByNumber(number) : nullptr;
    if (!panel) return nullptr;
    if (pageIndex < 0) return panel->Window();
    for (const kelvra::PanelExPageRecord* page : panel->pages)
      if (page->index == pageIndex && !page->freeing) return page->window;
    return nullptr;
  } catch (...) {
    return nullptr;
  }
}

KELVRA_API int KELVRA_CALL PanelExWidth(int panel) {
  return AskPanel(panel, -1, [](const kelvra::PanelExRecord& record) { return WindowExtent(record, true); });
}

KELVRA_API int KELVRA_CALL PanelExHeight(int panel) {
  return AskPanel(panel, -1, [](const kelvra::PanelExRecord& record) { return WindowExtent(record, false); });
}

KELVRA_API int KELVRA_CALL PanelExPageIndex(int panelOrPage) {
  try {
    kelvra::LockGuard lock(kelvra::Locks().panel);
    if (!lock) return -1;
    // The current page's index as it is now: inserting or freeing pages before it
    // renumbers it.
    if (const kelvra::PanelExRecord* panel = kelvra::FindPanelEx(Key(panelOrPage)))
      return panel->currentPage ? panel->currentPage->index : 0;
    const kelvra::PanelExPageRecord* page = kelvra::FindPanelExPageByWindow(reinterpret_cast<HWND>(Key(panelOrPage)));
    return page && !page->freeing ? page->index : -1;
  } catch (...) {
    return -1;
  }
}

KELVRA_API int KELVRA_CALL RefreshPanelEx(int panel) {
  try {
    HWND page = nullptr;
    {
      kelvra::LockGuard lock(kelvra::Locks().panel);
      const kelvra::PanelExRecord* record = lock ? kelvra::FindPanelEx(Key(panel)) : nullptr;
      if (!record) return 0;
      if (record->currentPage) page = record->currentPage->window;
    }
    if (page) kelvra::RedrawPanelExPage(page);
    return 1;
  } catch (...) {
    return 0;
  }
}

}  // extern "C"
