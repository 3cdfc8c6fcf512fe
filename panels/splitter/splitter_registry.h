// Where splitters live: the splitter list, found by number, container window or
// either page, and the state the family shares (the drag being laid out and the
// bar under the pointer). Splitters are made, used and freed on the
// user-interface thread only and their list takes no lock; a record is found
// again after every call that can send messages, since a gadget's or a
// parent's procedure may free the splitter meanwhile.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

#include "core/library/control_list.h"
#include "panels/splitter/splitter_record.h"

namespace kelvra {

ControlList<SplitterExRecord>& SplitterExList();

// The first splitter whose number or container window is `key`.
SplitterExRecord* FindSplitterEx(intptr_t key);
SplitterExRecord* FindSplitterExByNumber(int32_t number);
// The splitter whose container page or bar page is `page`; constant time.
SplitterExRecord* FindSplitterExByContainerPage(HWND page);
SplitterExRecord* FindSplitterExByBarPage(HWND page);

// Appends the record (it becomes current) and indexes its pages.
SplitterExRecord* EnterSplitterEx(std::unique_ptr<SplitterExRecord> splitter);
// Removes and frees the record.
void DeleteSplitterEx(SplitterExRecord* splitter);

struct SplitterExFamilyState {
  SplitterLayoutState layout;
  // The mouse-tracking flag: the bar page that the pointer entered and whose
  // leave has not come yet (0: none). It names its bar, so that a bar freed or
  // destroyed under the pointer cannot leave it set.
  HWND hoverBarPage = nullptr;
};
SplitterExFamilyState& SplitterExFamily();

}  // namespace kelvra
