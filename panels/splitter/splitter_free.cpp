// FreeSplitterEx, and the end of the library's splitters.
#include "panels/panel/panel_operations.h"
#include "panels/panels_seam.h"
#include "panels/splitter/splitter_drag.h"
#include "panels/splitter/splitter_operations.h"
#include "panels/splitter/splitter_registry.h"

namespace kelvra {

namespace {

// A drag in progress ends first (its hook must not outlive the record, nor the
// library), and the record goes before its windows, so nothing finds it while
// they are destroyed.
void Free(SplitterExRecord* splitter) {
  AbandonSplitterDrag(*splitter);
  SplitterExFamilyState& family = SplitterExFamily();
  if (family.hoverBarPage == splitter->barPage) family.hoverBarPage = nullptr;
  if (family.layout.barPage == splitter->barPage) family.layout = SplitterLayoutState{};

  const int32_t containerPanel = splitter->containerPanel, barPanel = splitter->barPanel;
  const HWND container = splitter->Container(), containerPage = splitter->containerPage;
  const HWND gadgets[] = {splitter->first, splitter->second};
  DeleteSplitterEx(splitter);

  // The gadgets stay the caller's: back with the container's parent, unless the
  // caller has put them elsewhere meanwhile.
  const HWND home = GetParent(container);
  for (HWND gadget : gadgets)
    if (gadget && IsWindow(gadget) && GetParent(gadget) == containerPage) SetParent(gadget, home);
  FreePanel(barPanel);
  FreePanel(containerPanel);
}

}  // namespace

int FreeSplitter(intptr_t key) {
  if (key != -1) {
    SplitterExRecord* splitter = FindSplitterEx(key);
    if (!splitter) return 0;
    Free(splitter);
    return 1;
  }
  // Destroying windows may run code that frees or makes splitters: take the
  // first one again each time.
  while (SplitterExRecord* splitter = SplitterExList().First()) Free(splitter);
  return 1;
}

}  // namespace kelvra

namespace kelvra::steps {

void FreeAllSplitters() { FreeSplitter(-1); }

}  // namespace kelvra::steps
