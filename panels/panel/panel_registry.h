// Where panels and pages live: the panel list, the page list shared by all
// panels (in creation and insertion order) with its index by window, and the
// panel state of the library (CurrentPanelEx, PageInsertPosition). Every call
// expects PanelLock to be held; none changes a list's current element except
// where it adds a record (the new one becomes current, as in every ControlList).
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

#include "core/library/control_list.h"
#include "panels/panel/panel_record.h"

namespace kelvra {

ControlList<PanelExRecord>& PanelExList();
ControlList<PanelExPageRecord>& PanelExPageList();

// The panel that AddPanelExPage and AddPanelExImagePage add to (0: none).
HWND& CurrentPanelEx();
// The page before which the next added page is placed (0: at the end); set only
// while an insert call runs, and taken (cleared) by the add it makes.
HWND& PageInsertPosition();

// The first panel whose number or window is `key`; panels being freed are not found.
PanelExRecord* FindPanelEx(intptr_t key);
PanelExRecord* FindPanelExByNumber(int32_t number);
PanelExRecord* FindPanelExByWindow(HWND window);
// The panel's page whose index is `key`, else the one whose window is `key`;
// pages being freed are not found.
PanelExPageRecord* FindPanelExPage(const PanelExRecord& panel, intptr_t key);
// The page `pageKey` (index or window) of the panel `panelKey` (number or window).
PanelExPageRecord* FindPanelExPage(intptr_t panelKey, intptr_t pageKey);
// The page whose window is `pageWindow`, pages being freed included (their
// windows still get messages); constant time.
PanelExPageRecord* FindPanelExPageByWindow(HWND pageWindow);

// Enters a page record after the panel's last page (before = nullptr) or before
// `before`, one of the panel's pages. Returns the record, now the list's current.
PanelExPageRecord* EnterPanelExPage(PanelExRecord& panel, std::unique_ptr<PanelExPageRecord> page,
                                    PanelExPageRecord* before);
// Removes and frees a page record: its image lists and border set go with it.
// The panel loses it as its current page too.
void DeletePanelExPage(PanelExPageRecord* page);
// Removes and frees a panel record with its buffers and the page records it still
// has (their windows go with the panel's window).
void DeletePanelEx(PanelExRecord* panel);

// Gives the panel's pages the indexes 0, 1, 2, ... in list order; the page
// counter becomes their number plus one.
void RenumberPanelExPages(PanelExRecord& panel);

// Reads the panel window's parent and rectangle into knownParent and knownRect.
void NotePanelExPlace(PanelExRecord& panel);

}  // namespace kelvra
