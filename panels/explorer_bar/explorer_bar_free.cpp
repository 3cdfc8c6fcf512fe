// FreeExplorerBar, and the end of the library's explorer bars.
#include <vector>

#include "panels/button/button_operations.h"
#include "panels/explorer_bar/explorer_bar_operations.h"
#include "panels/explorer_bar/explorer_bar_registry.h"
#include "panels/panel/panel_operations.h"
#include "panels/panels_seam.h"

namespace kelvra {

namespace {

// What goes with a bar, in the order it goes: per group its items' buttons, its
// header and its body, then the bar's own panel.
struct GroupParts {
  std::vector<int32_t> buttons;  // button numbers: the items', then the header's
  int32_t bodyPanel = 0;
};
struct BarParts {
  std::vector<GroupParts> groups;
  int32_t barPanel = 0;
  HWND parent = nullptr;
};

BarParts PartsOf(const ExplorerBarRecord& bar) {
  BarParts parts;
  for (const ExplorerBarGroupRecord& group : bar.groups) {
    GroupParts& g = parts.groups.emplace_back();
    for (const ExplorerBarItemRecord& item : group.items) g.buttons.push_back(item.buttonNumber);
    g.buttons.push_back(group.number);
    g.bodyPanel = group.bodyPanelNumber;
  }
  parts.barPanel = bar.panelNumber;
  parts.parent = GetParent(bar.Window());
  return parts;
}

// The record goes first, so nothing finds the bar while its windows go (their
// destruction reaches the bar's procedures, and the animation thread may still
// send a frame).
void Free(ExplorerBarRecord* bar, bool redrawParent) {
  const BarParts parts = PartsOf(*bar);
  DeleteExplorerBar(bar);
  for (const GroupParts& group : parts.groups) {
    for (int32_t button : group.buttons) FreeButton(button);
    FreePanel(group.bodyPanel);
  }
  FreePanel(parts.barPanel);
  if (redrawParent && parts.parent)
    RedrawWindow(parts.parent, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_ERASENOW);
}

}  // namespace

int FreeExplorerBars(intptr_t key, bool redrawParent) {
  if (key != -1) {
    ExplorerBarRecord* bar = FindExplorerBar(key);
    if (!bar) return 0;
    Free(bar, redrawParent);
    return 1;
  }
  // Freeing runs window procedures that may free or make bars: take the first one
  // again each time.
  while (ExplorerBarRecord* bar = ExplorerBarList().First()) Free(bar, redrawParent);
  return 1;
}

}  // namespace kelvra

namespace kelvra::steps {

void FreeAllExplorerBars() { FreeExplorerBars(-1, false); }

}  // namespace kelvra::steps
