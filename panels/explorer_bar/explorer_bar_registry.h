// Where explorer bars live: the bar list, found by number or window, the index
// from a body panel to its group, and the family's current bar and group (which
// AddExplorerBarGroup and ExplorerBarItem add to). Bars are made, used and freed
// on the user-interface thread only and their list takes no lock; a record is
// found again after every call that can send messages.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

#include "core/library/control_list.h"
#include "panels/explorer_bar/explorer_bar_record.h"

namespace kelvra {

ControlList<ExplorerBarRecord>& ExplorerBarList();

// The first bar whose number or panel window is `key`.
ExplorerBarRecord* FindExplorerBar(intptr_t key);
ExplorerBarRecord* FindExplorerBarByNumber(int32_t number);
ExplorerBarRecord* FindExplorerBarByWindow(HWND window);

struct ExplorerBarGroupPlace {
  ExplorerBarRecord* bar = nullptr;
  ExplorerBarGroupRecord* group = nullptr;
};
// The group whose body panel is `body`; constant time.
ExplorerBarGroupPlace FindExplorerBarGroupByBody(HWND body);

// Appends the bar (it becomes the current bar, without a current group).
ExplorerBarRecord* EnterExplorerBar(std::unique_ptr<ExplorerBarRecord> bar);
// Appends the group to its bar and indexes its body (it becomes the current group
// when its bar is the current bar).
ExplorerBarGroupRecord* EnterExplorerBarGroup(ExplorerBarRecord& bar, std::unique_ptr<ExplorerBarGroupRecord> group);
// Removes and frees the bar with its groups and items; the current bar and group
// are cleared when they were its.
void DeleteExplorerBar(ExplorerBarRecord* bar);

struct ExplorerBarFamilyState {
  ExplorerBarRecord* currentBar = nullptr;      // the bar made last
  ExplorerBarGroupRecord* currentGroup = nullptr;  // the group added last to it
};
ExplorerBarFamilyState& ExplorerBarFamily();

// The current bar and group, nullptr when they are gone.
ExplorerBarRecord* CurrentExplorerBar();
ExplorerBarGroupRecord* CurrentExplorerBarGroup();

}  // namespace kelvra
